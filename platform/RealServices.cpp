#include "Services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace plumcrest::platform {
namespace {

// xdg-open returns once the opener has taken the address; a bounded wait keeps a hung opener
// from freezing the window.
constexpr int kOpenTimeoutMs = 15000;

class XdgShell final : public Shell {
public:
    bool Open(const QString& target) override {
        if (target.isEmpty())
            return false;
        QProcess process;
        process.setProgram(QStringLiteral("xdg-open"));
        process.setArguments({target});
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start();
        if (!process.waitForStarted(kOpenTimeoutMs))
            return false;
        if (!process.waitForFinished(kOpenTimeoutMs)) {
            process.kill();
            process.waitForFinished(1000);
            return false;
        }
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
};

class QtSound final : public Sound {
public:
    void Beep() override { QApplication::beep(); }
};

class QtMessageBoxes final : public MessageBoxes {
public:
    void Show(QWidget* parent, MessageIcon icon, const QString& caption,
              const QString& text) override {
        QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical
                                                   : QMessageBox::Information,
                        caption, text, QMessageBox::Ok, parent);
        // A message may quote a file's name or what a file says: shown as written, never as
        // markup that could pass for the program's own words.
        box.setTextFormat(Qt::PlainText);
        box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("Messages", "OK"));
        Centre(box);
        box.exec();
    }
    bool Ask(QWidget* parent, const QString& caption, const QString& text) override {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent);
        box.setTextFormat(Qt::PlainText);
        QPushButton* yes =
            box.addButton(QCoreApplication::translate("Messages", "Yes"), QMessageBox::YesRole);
        QPushButton* no =
            box.addButton(QCoreApplication::translate("Messages", "No"), QMessageBox::NoRole);
        box.setDefaultButton(no);
        box.setEscapeButton(no);
        Centre(box);
        box.exec();
        return box.clickedButton() == yes;
    }

private:
    // Centred on the screen, while staying with its window (no taskbar entry of its own).
    static void Centre(QMessageBox& box) {
        box.adjustSize();
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            box.move(screen->availableGeometry().center() - box.rect().center());
    }
};

// The home folder recorded for the account running the program, or nothing.
const char* AccountHome() {
    const passwd* entry = ::getpwuid(::getuid());
    return entry ? entry->pw_dir : nullptr;
}

class XdgFolders final : public Folders {
public:
    std::string AppDataFolder() override {
        const char* configHome = std::getenv("XDG_CONFIG_HOME");
        const char* home = std::getenv("HOME");
        const bool needAccount = !(configHome && configHome[0] == '/') && !(home && home[0] == '/');
        return ConfigHomeFolder(configHome, home, needAccount ? AccountHome() : nullptr);
    }
    QString ExeFolder() override {
        // Resolved, so a command on the PATH that links to the program folder finds its files.
        const QString path = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
        QString folder = QFileInfo(path).absolutePath();
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        return folder;
    }
};

class QtLibrary final : public DynamicLibrary {
public:
    explicit QtLibrary(std::unique_ptr<QLibrary> library) : library_(std::move(library)) {}
    ~QtLibrary() override { library_->unload(); }
    void* Resolve(const char* entry) override {
        return reinterpret_cast<void*>(library_->resolve(entry));
    }

private:
    std::unique_ptr<QLibrary> library_;
};

class LinuxOsFacts final : public OsFacts {
public:
    std::optional<int> WindowsMajorVersion() override { return std::nullopt; }
    bool VisualStylesActive() override { return false; }
    std::unique_ptr<DynamicLibrary> LoadLibrary(const char* name) override {
        auto library = std::make_unique<QLibrary>(QString::fromLatin1(name));
        if (!library->load())
            return nullptr;
        return std::make_unique<QtLibrary>(std::move(library));
    }
};

// The help viewer lives above this layer (help/); the program installs it at start. Until then
// a request for help does nothing.
class NoHelp final : public HelpSystem {
public:
    void SetHelpFile(const QString&) override {}
    void ShowContents() override {}
    void ShowContext(int) override {}
    void Quit() override {}
};

Services& Installed() {
    static XdgShell shell;
    static QtSound sound;
    static QtMessageBoxes messages;
    static XdgFolders folders;
    static LinuxOsFacts os;
    static NoHelp help;
    static Services services{&shell, &sound, &messages, &help, &folders, &os};
    return services;
}

} // namespace

std::string ConfigHomeFolder(const char* xdgConfigHome, const char* home, const char* accountHome) {
    const auto absolute = [](const char* path) { return path && path[0] == '/'; };
    const auto withoutTrailingSeparators = [](std::string folder) {
        while (folder.size() > 1 && folder.back() == '/')
            folder.pop_back();
        return folder;
    };
    if (absolute(xdgConfigHome))
        return withoutTrailingSeparators(xdgConfigHome);
    const char* homeFolder = absolute(home) ? home : absolute(accountHome) ? accountHome : nullptr;
    if (!homeFolder)
        return {};
    std::string folder = withoutTrailingSeparators(homeFolder);
    if (folder != "/")
        folder += '/';
    return withoutTrailingSeparators(folder + ".config");
}

const Services& Current() {
    return Installed();
}
Shell& TheShell() {
    return *Installed().shell;
}
Sound& TheSound() {
    return *Installed().sound;
}
MessageBoxes& TheMessages() {
    return *Installed().messages;
}
HelpSystem& TheHelp() {
    return *Installed().help;
}
Folders& TheFolders() {
    return *Installed().folders;
}
OsFacts& TheOs() {
    return *Installed().os;
}

ScopedServices::ScopedServices(const Services& services) : previous_(Installed()) {
    Services merged = previous_;
    if (services.shell)
        merged.shell = services.shell;
    if (services.sound)
        merged.sound = services.sound;
    if (services.messages)
        merged.messages = services.messages;
    if (services.help)
        merged.help = services.help;
    if (services.folders)
        merged.folders = services.folders;
    if (services.os)
        merged.os = services.os;
    Installed() = merged;
}

ScopedServices::~ScopedServices() {
    Installed() = previous_;
}

} // namespace plumcrest::platform
