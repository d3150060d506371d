// Program entry: the application object, the main window, the message loop.

#include "Main.h"

#include "LocaleSettings.h"
#include "NumericFieldAccessible.h"
#include "PlumcrestApplication.h"

#include <QProxyStyle>

namespace {

// Popup hints show after 400 ms.
class HintTimingStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay)
            return 400;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

int main(int argc, char** argv) {
    plumcrest::InstallNumericFieldAccessibility();
    plumcrest::PlumcrestApplication app(argc, argv);
    app.SetTitle(QStringLiteral("Plumcrest, 4.0"));
    QApplication::setApplicationName(QStringLiteral("plumcrest"));
    QApplication::setDesktopFileName(QStringLiteral("example.quillmore.Plumcrest"));
    QApplication::setStyle(new HintTimingStyle);
    // The separators are fixed from here on, whatever the locale does later.
    plumcrest::TheLocaleSeparators();

    auto* window = new plumcrest::TfrmMain;
    window->show();
    QObject::connect(window, &QObject::destroyed, &app, &QCoreApplication::quit);
    return app.exec();
}
