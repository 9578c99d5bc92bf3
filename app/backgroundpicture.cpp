#include "app/backgroundpicture.h"

#include <QPainter>
#include <QSvgRenderer>

BackgroundPicture::BackgroundPicture(QWidget* parent)
    : QWidget(parent), picture(new QSvgRenderer(QStringLiteral(":/pictures/background.svg"), this))
{
}

void BackgroundPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    picture->render(&painter, rect());
}
