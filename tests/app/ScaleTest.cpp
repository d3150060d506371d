// The calculator page at the desktop's scale factor (QT_SCALE_FACTOR, set per run by ctest):
// every field keeps its whole frame, the red bracket its bars and every caption its text.

#include "PlumcrestApplication.h"
#include "WindowFixture.h"

#include <QFrame>
#include <QLabel>
#include <algorithm>

using namespace plumcrest;
using namespace plumcrest::testing;

namespace {

// The device pixels of a widget's rectangle in the window's grab.
QRect DeviceRect(const QWidget* widget, const QWidget* window, qreal ratio) {
    const QRectF logical(widget->mapTo(window, QPoint(0, 0)), widget->size());
    return QRectF(logical.topLeft() * ratio, logical.size() * ratio).toAlignedRect();
}

// Whether every step along one edge of `device` finds `colour` within the band of device
// pixels that edge covers: along its whole length the edge is drawn.
bool EdgeDrawn(const QImage& image, const QRect& device, qreal ratio, const QColor& colour,
               Qt::Edge edge) {
    const int band = qCeil(ratio) + 1;
    const bool vertical = edge == Qt::LeftEdge || edge == Qt::RightEdge;
    const int from = vertical ? device.top() + band : device.left() + band;
    const int to = vertical ? device.bottom() - band : device.right() - band;
    for (int along = from; along <= to; ++along) {
        bool found = false;
        for (int across = 0; across < band && !found; ++across) {
            QPoint p;
            switch (edge) {
            case Qt::LeftEdge:
                p = {device.left() + across, along};
                break;
            case Qt::RightEdge:
                p = {device.right() - across, along};
                break;
            case Qt::TopEdge:
                p = {along, device.top() + across};
                break;
            case Qt::BottomEdge:
                p = {along, device.bottom() - across};
                break;
            }
            found = image.rect().contains(p) && image.pixel(p) == colour.rgb();
        }
        if (!found)
            return false;
    }
    return true;
}

} // namespace

class ScaleTest : public QObject {
    Q_OBJECT

private slots:
    void fields_bracket_and_captions_draw_whole();
};

// State: the window at this run's scale factor.  Action: grab it as the screen shows it.
// Expected: the four edges of each of the eighteen fields are drawn along their whole length,
// the bracket's four bars are red, and each caption is wide enough for its text.
void ScaleTest::fields_bracket_and_captions_draw_whole() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    const QImage image = w.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    qInfo("device pixel ratio %.2f", ratio);
    QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());

    const auto fields = w.Page1->findChildren<TNumericField*>();
    QCOMPARE(fields.size(), 18);
    for (TNumericField* field : fields) {
        const QRect device = DeviceRect(field, &w, ratio);
        const QColor frame = field->palette().color(QPalette::Mid);
        for (const Qt::Edge edge : {Qt::LeftEdge, Qt::TopEdge, Qt::RightEdge, Qt::BottomEdge})
            QVERIFY2(EdgeDrawn(image, device, ratio, frame, edge),
                     qPrintable(QStringLiteral("%1, edge %2").arg(field->objectName()).arg(edge)));
    }

    for (const char* name : {"Shape1", "Shape2", "Shape3", "Shape4"}) {
        auto* shape = w.Page1->findChild<QFrame*>(QLatin1String(name));
        QVERIFY2(shape, name);
        const QRect device = DeviceRect(shape, &w, ratio);
        const bool vertical = device.height() > device.width();
        const int length = vertical ? device.height() : device.width();
        const int thickness = vertical ? device.width() : device.height();
        // The first and last device pixels may be shared with what lies beyond the bar's ends.
        for (int i = 1; i + 1 < length; ++i) {
            bool red = false;
            bool covered = false;
            for (int j = 0; j < thickness && !red; ++j) {
                const QPoint p = vertical ? QPoint(device.left() + j, device.top() + i)
                                          : QPoint(device.left() + i, device.top() + j);
                red = image.pixel(p) == QColor(Qt::red).rgb();
                // The short arm ends under the edge of the fixed fees' field, drawn over it.
                covered = covered || std::any_of(fields.begin(), fields.end(), [&](auto* field) {
                              return DeviceRect(field, &w, ratio).contains(p);
                          });
            }
            QVERIFY2(red || covered, qPrintable(QStringLiteral("%1 at %2").arg(name).arg(i)));
        }
    }

    for (QLabel* label : w.Page1->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                 qPrintable(label->text()));
        QVERIFY2(label->height() >= label->fontMetrics().ascent() + label->fontMetrics().descent(),
                 qPrintable(label->text()));
    }
}

int main(int argc, char** argv) {
    plumcrest::PlumcrestApplication app(argc, argv);
    ScaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ScaleTest.moc"
