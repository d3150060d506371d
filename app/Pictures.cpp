#include "Pictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace plumcrest {
namespace {

void DrawRoundBadge(QPainter& p, int size, const QColor& fill, const QString& glyph) {
    const QRectF r(1, 1, size - 2, size - 2);
    p.setPen(QPen(fill.darker(140), 1));
    p.setBrush(fill);
    p.drawEllipse(r);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(size * 3 / 4);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, glyph);
}

void DrawArrowCircle(QPainter& p, int size) {
    const qreal m = size / 6.0;
    QRectF r(m, m, size - 2 * m, size - 2 * m);
    p.setPen(QPen(QColor(0x1f, 0x7a, 0x3a), size / 8.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(r, 60 * 16, 290 * 16);
    QPainterPath head;
    const QPointF tip(r.center().x() + r.width() / 2.0 * 0.5, r.top() - m * 0.2);
    head.moveTo(tip + QPointF(-m * 1.2, -m * 0.8));
    head.lineTo(tip + QPointF(m * 0.9, m * 0.3));
    head.lineTo(tip + QPointF(-m * 0.7, m * 1.4));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x7a, 0x3a));
    p.drawPath(head);
}

void DrawGlobe(QPainter& p, int size, bool withArrow) {
    const QRectF r(1, 1, size - 2, size - 2);
    p.setPen(QPen(QColor(0x15, 0x4c, 0x8c), 1));
    p.setBrush(QColor(0x6c, 0xa8, 0xe6));
    p.drawEllipse(r);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.adjusted(size / 4.0, 0, -size / 4.0, 0));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    if (withArrow) {
        QPainterPath arrow;
        const qreal c = size / 2.0;
        arrow.moveTo(c - size / 5.0, c);
        arrow.lineTo(c + size / 5.0, c);
        arrow.lineTo(c, size - 2.0);
        arrow.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x7a, 0x3a));
        p.drawPath(arrow);
    }
}

void DrawDoor(QPainter& p, int size) {
    const qreal m = size / 8.0;
    p.setPen(QPen(QColor(0x6b, 0x3e, 0x1e), 1));
    p.setBrush(QColor(0xb5, 0x7a, 0x43));
    p.drawRect(QRectF(m * 2, m, size - m * 4, size - m * 2));
    p.setBrush(QColor(0xf2, 0xd0, 0x60));
    p.drawEllipse(QPointF(size - m * 3, size / 2.0), m / 1.5, m / 1.5);
    p.setPen(QPen(QColor(0xc0, 0x20, 0x20), size / 9.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(m * 0.5, size / 2.0), QPointF(m * 3.5, size / 2.0));
}

void DrawEnvelope(QPainter& p, int size) {
    const qreal m = size / 8.0;
    const QRectF r(m * 0.5, m * 2, size - m, size - m * 4);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
    p.setBrush(QColor(0xfa, 0xf6, 0xe8));
    p.drawRect(r);
    p.drawLine(r.topLeft(), r.center());
    p.drawLine(r.topRight(), r.center());
}

void DrawWarning(QPainter& p, int size) {
    QPainterPath tri;
    tri.moveTo(size / 2.0, 1);
    tri.lineTo(size - 1.0, size - 1.0);
    tri.lineTo(1, size - 1.0);
    tri.closeSubpath();
    p.setPen(QPen(QColor(0x80, 0x60, 0x00), 1));
    p.setBrush(QColor(0xf5, 0xc5, 0x18));
    p.drawPath(tri);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(size * 2 / 3);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, size / 5.0, size, size * 4 / 5.0), Qt::AlignCenter, QStringLiteral("!"));
}

void DrawBulb(QPainter& p, int size) {
    const qreal m = size / 8.0;
    p.setPen(QPen(QColor(0x90, 0x70, 0x00), 1));
    p.setBrush(QColor(0xff, 0xe0, 0x50));
    p.drawEllipse(QRectF(m * 1.5, m * 0.5, size - m * 3, size - m * 3.5));
    p.setBrush(QColor(0x90, 0x90, 0x90));
    p.drawRect(QRectF(size / 2.0 - m * 1.2, size - m * 3, m * 2.4, m * 2.4));
}

void DrawPage(QPainter& p, int size) {
    const qreal m = size / 8.0;
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(m * 1.5, m * 0.5, size - m * 3, size - m));
    p.setPen(QPen(QColor(0x30, 0x60, 0xb0), 1));
    for (int i = 0; i < 4; ++i) {
        const qreal y = m * 2 + i * m * 1.4;
        p.drawLine(QPointF(m * 2.5, y), QPointF(size - m * 2.5, y));
    }
}

void DrawProduct(QPainter& p, int size) {
    const qreal m = size / 8.0;
    p.setPen(QPen(QColor(0x30, 0x30, 0x60), 1));
    p.setBrush(QColor(0xdd, 0xdd, 0xf5));
    p.drawRect(QRectF(m * 0.5, m, size - m, size - m * 2));
    p.setBrush(QColor(0x30, 0x50, 0xa0));
    p.drawRect(QRectF(m * 0.5, m, size - m, m * 1.5));
}

} // namespace

QPixmap DrawPicture(Picture picture, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case Picture::Reset:
        DrawArrowCircle(p, size);
        break;
    case Picture::Update:
        DrawGlobe(p, size, true);
        break;
    case Picture::Help:
        DrawRoundBadge(p, size, QColor(0x2a, 0x62, 0xc9), QStringLiteral("?"));
        break;
    case Picture::About:
        DrawRoundBadge(p, size, QColor(0x1f, 0x8a, 0x8a), QStringLiteral("i"));
        break;
    case Picture::Exit:
        DrawDoor(p, size);
        break;
    case Picture::Web:
        DrawGlobe(p, size, false);
        break;
    case Picture::Mail:
        DrawEnvelope(p, size);
        break;
    case Picture::Disclaimer:
        DrawWarning(p, size);
        break;
    case Picture::Suggest:
        DrawBulb(p, size);
        break;
    case Picture::Blog:
        DrawPage(p, size);
        break;
    case Picture::Product:
        DrawProduct(p, size);
        break;
    }
    return pixmap;
}

QPixmap Greyed(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 3;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    return QPixmap::fromImage(image);
}

QIcon PictureIcon(Picture picture, int size) {
    const QPixmap normal = DrawPicture(picture, size);
    QIcon icon;
    icon.addPixmap(normal, QIcon::Normal);
    icon.addPixmap(Greyed(normal), QIcon::Disabled);
    return icon;
}

QPixmap DrawProductScreenshot(const QString& title, const QColor& accent, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(QColor(0xec, 0xe9, 0xd8));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, size.width(), 22), accent);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(8, 0, size.width() - 16, 22), Qt::AlignVCenter | Qt::AlignLeft, title);
    f.setBold(false);
    p.setFont(f);
    const int rows = (size.height() - 40) / 26;
    for (int i = 0; i < rows; ++i) {
        const int y = 34 + i * 26;
        p.setPen(QColor(0x33, 0x33, 0x33));
        p.drawText(QRect(10, y, size.width() / 2 - 20, 20), Qt::AlignVCenter | Qt::AlignRight,
                   QStringLiteral("Value %1:").arg(i + 1));
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.setBrush(i % 3 == 2 ? QColor(0xff, 0xff, 0x80) : QColor(Qt::white));
        p.drawRect(QRect(size.width() / 2, y, size.width() / 2 - 14, 20));
    }
    p.setPen(QPen(accent.darker(130), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(1, 1, size.width() - 2, size.height() - 2));
    return pixmap;
}

} // namespace plumcrest
