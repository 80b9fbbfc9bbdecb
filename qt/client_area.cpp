#include "client_area.h"

#include <QPainter>
#include <QTimer>
#include <utility>

#include "form1_state.h"

namespace quantivex {

ClientArea::ClientArea(const Form1State& form, const TwipScale& scale, QWidget* parent)
    : QWidget(parent), form_(form), scale_(scale) {
    setAutoFillBackground(true);
}

void ClientArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    auto line = [&](float x1, float y1, float x2, float y2, uint32_t colour) {
        // One logical pixel, so lines grow with the screen's scale instead of
        // staying hairlines of one device pixel.
        QPen pen(toQColor(colour, palette()));
        pen.setWidthF(1);
        pen.setCosmetic(false);
        p.setPen(pen);
        p.drawLine(scale_.toPixels(x1), scale_.toPixels(y1), scale_.toPixels(x2), scale_.toPixels(y2));
    };
    for (const LineControl& l : form_.Line1) {
        if (l.Visible) line(l.X1, l.Y1, l.X2, l.Y2, l.BorderColor);
    }
    for (const DrawnLine& l : form_.surface.lines()) {
        // A line drawn across the whole window spans the client area, which
        // may be a little wider than the window's own width.
        const bool across = l.x1 == 0 && l.x2 == form_.Width && l.y1 == l.y2;
        line(l.x1, l.y1, across ? static_cast<float>(scale_.toTwips(width())) : l.x2, l.y2, l.colour);
    }
    if (afterFirstFrame_) QTimer::singleShot(0, this, std::exchange(afterFirstFrame_, nullptr));
}

}  // namespace quantivex
