#include "calc/building/fittingdrawing.h"

#include <QPainter>

FittingDrawing::FittingDrawing(QWidget* parent) : QWidget(parent) {}

void FittingDrawing::load(const QString& resource)
{
    loaded = resource;
    renderer.load(resource);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    update();
}

void FittingDrawing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    renderer.render(&painter, rect());
}
