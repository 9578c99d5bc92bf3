#pragma once

#include <QWidget>

class QSvgRenderer;

// A picture box that draws a fixed picture over its whole area; the menu's buttons lie on it.
class BackgroundPicture : public QWidget {
    Q_OBJECT
public:
    explicit BackgroundPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* picture;
};
