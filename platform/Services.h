#pragma once
// The platform layer: one small interface per operating-system service the program uses.
// Everything above platform/ calls these, never Qt's or the OS's service directly, so tests can
// install recording fakes (tests/support/FakePlatform.h).

#include <QString>
#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace plumcrest::platform {

// Hands an address (web page, "mailto:", file path) to the desktop. Synchronous; false means
// the open failed (could not start the opener, or it exited non-zero).
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool Open(const QString& target) = 0;
};

class Sound {
public:
    virtual ~Sound() = default;
    virtual void Beep() = 0;
};

enum class MessageIcon { Information, Error };

// Modal message boxes.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // One OK button.
    virtual void Show(QWidget* parent, MessageIcon icon, const QString& caption,
                      const QString& text) = 0;
    // A question with "Yes" and "No". True only for "Yes": "No" is the default button and the
    // answer when the box is dismissed any other way.
    virtual bool Ask(QWidget* parent, const QString& caption, const QString& text) = 0;
};

// The compiled-HTML help viewer: contents, a numeric context, closing all its windows.
// A missing or unreadable help file is reported by the viewer itself.
class HelpSystem {
public:
    virtual ~HelpSystem() = default;
    virtual void SetHelpFile(const QString& path) = 0;
    // The window the help windows belong to: they stay with it and get no taskbar entry.
    virtual void SetOwner(QWidget* owner) { (void)owner; }
    virtual void ShowContents() = 0;
    virtual void ShowContext(int context) = 0;
    virtual void Quit() = 0;
};

class Folders {
public:
    virtual ~Folders() = default;
    // The per-user application-data folder without a trailing separator ("/" separated).
    virtual std::string AppDataFolder() = 0;
    // The running executable's folder with its trailing "/".
    virtual QString ExeFolder() = 0;
};

// The folder the real Folders service reports as the application-data folder: $XDG_CONFIG_HOME
// when it is an absolute path, else ".config" in the home folder, which is $HOME when that is an
// absolute path, else the account's home in the password database. Empty when no home folder is
// known: nothing loads and every save fails, as for any place that cannot be written.
std::string ConfigHomeFolder(const char* xdgConfigHome, const char* home, const char* accountHome);

// A library loaded by name at run time; unloaded when the object is destroyed.
class DynamicLibrary {
public:
    virtual ~DynamicLibrary() = default;
    virtual void* Resolve(const char* entry) = 0;
};

// Facts about the operating system that the Windows-specific adaptations ask for.
class OsFacts {
public:
    virtual ~OsFacts() = default;
    // The Windows major version, or nothing when the version query fails or this is not Windows.
    virtual std::optional<int> WindowsMajorVersion() = 0;
    // Whether the theme service reports visual styles in effect for the program.
    virtual bool VisualStylesActive() = 0;
    // Loads a library by name; nothing when it cannot be loaded.
    virtual std::unique_ptr<DynamicLibrary> LoadLibrary(const char* name) = 0;
};

struct Services {
    Shell* shell = nullptr;
    Sound* sound = nullptr;
    MessageBoxes* messages = nullptr;
    HelpSystem* help = nullptr;
    Folders* folders = nullptr;
    OsFacts* os = nullptr;
};

// The services in use: the real ones unless a test installed others.
const Services& Current();
Shell& TheShell();
Sound& TheSound();
MessageBoxes& TheMessages();
HelpSystem& TheHelp();
Folders& TheFolders();
OsFacts& TheOs();

// Installs services for the lifetime of the guard (tests); restores the previous set after.
class ScopedServices {
public:
    explicit ScopedServices(const Services& services);
    ~ScopedServices();
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

private:
    Services previous_;
};

} // namespace plumcrest::platform
