#pragma once
// One isolating fixture for the main window: the recording platform, the saved values in a
// fresh temporary folder, "." / "," separators, and a shown, active window.

#include "FakePlatform.h"
#include "LocaleSettings.h"
#include "Main.h"
#include "TNumericField.h"

#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace plumcrest::testing {

class WindowFixture {
public:
    WindowFixture() : separators_(LocaleSeparators{U'.', U','}) {
        platform.folders.appData = appData.path().toStdString();
        platform.folders.exeFolder = QStringLiteral("/opt/plumcrest/");
    }
    ~WindowFixture() {
        if (window) {
            // Let the window go without saving: tests that close it say so.
            window->setAttribute(Qt::WA_DeleteOnClose, false);
            window.reset();
        }
        QTest::qWait(0);
    }

    QString IniPath() const {
        return appData.path() +
               QStringLiteral("/Quillmore Financial Software/Plumcrest/Plumcrest.ini");
    }

    void WriteIni(const QByteArray& content) const {
        QDir().mkpath(QFileInfo(IniPath()).absolutePath());
        QFile file(IniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray ReadIni() const {
        QFile file(IniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TfrmMain& Open() {
        window = std::make_unique<TfrmMain>();
        window->show();
        QApplication::setActiveWindow(window.get());
        [&] { QVERIFY(QTest::qWaitForWindowActive(window.get())); }();
        return *window;
    }

    // Runs posted work (reports, focus returns) until nothing is left.
    static void Settle() {
        for (int i = 0; i < 5; ++i)
            QTest::qWait(1);
    }

    QTemporaryDir appData;
    FakePlatform platform;
    std::unique_ptr<TfrmMain> window;

private:
    ScopedLocaleSeparators separators_;
};

inline QString Shown(const TNumericField* field) {
    return field->DisplayText();
}

// A plain pointer move with no button held, delivered to the widget.
inline void MovePointer(QWidget* widget, QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}


} // namespace plumcrest::testing
