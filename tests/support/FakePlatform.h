#pragma once
// Recording fakes of the platform services. A test makes one FakePlatform; while it lives, the
// program's calls to the platform land here instead of the desktop.

#include "Services.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace plumcrest::testing {

struct RecordedMessage {
    platform::MessageIcon icon;
    QString caption;
    QString text;
};

class FakeShell final : public platform::Shell {
public:
    bool Open(const QString& target) override {
        opened.push_back(target);
        return succeed;
    }
    QStringList opened;
    bool succeed = true;
};

class FakeSound final : public platform::Sound {
public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

class FakeMessages final : public platform::MessageBoxes {
public:
    void Show(QWidget*, platform::MessageIcon icon, const QString& caption,
              const QString& text) override {
        shown.push_back({icon, caption, text});
        if (onShow)
            onShow(shown.back());
    }
    bool Ask(QWidget*, const QString& caption, const QString& text) override {
        asked.push_back({platform::MessageIcon::Information, caption, text});
        return answer;
    }
    std::vector<RecordedMessage> shown;
    std::function<void(const RecordedMessage&)> onShow; // runs while the "box" is open
    std::vector<RecordedMessage> asked;                 // questions, answered with `answer`
    bool answer = false;
};

class FakeHelp final : public platform::HelpSystem {
public:
    void SetHelpFile(const QString& path) override {
        if (failSetHelpFile)
            throw std::runtime_error("help system unavailable");
        helpFile = path;
    }
    void ShowContents() override { calls.push_back(QStringLiteral("contents")); }
    void ShowContext(int context) override {
        calls.push_back(QStringLiteral("context %1").arg(context));
    }
    void Quit() override { calls.push_back(QStringLiteral("quit")); }
    QString helpFile;
    QStringList calls;
    bool failSetHelpFile = false; // to make window creation fail part way
};

class FakeFolders final : public platform::Folders {
public:
    std::string AppDataFolder() override { return appData; }
    QString ExeFolder() override { return exeFolder; }
    std::string appData = "/nonexistent";
    QString exeFolder = QStringLiteral("/nonexistent/");
};

// A library of named entries; Load counts and Unload counts are kept so tests can check that every
// load is paired with an unload.
class FakeOs final : public platform::OsFacts {
public:
    class Library final : public platform::DynamicLibrary {
    public:
        Library(FakeOs& os, std::map<std::string, void*> entries)
            : os_(os), entries_(std::move(entries)) {}
        ~Library() override { ++os_.unloads; }
        void* Resolve(const char* entry) override {
            auto it = entries_.find(entry);
            return it == entries_.end() ? nullptr : it->second;
        }

    private:
        FakeOs& os_;
        std::map<std::string, void*> entries_;
    };

    std::optional<int> WindowsMajorVersion() override { return windowsMajor; }
    bool VisualStylesActive() override { return visualStyles; }
    std::unique_ptr<platform::DynamicLibrary> LoadLibrary(const char* name) override {
        auto it = libraries.find(name);
        if (it == libraries.end())
            return nullptr;
        ++loads;
        return std::make_unique<Library>(*this, it->second);
    }

    std::optional<int> windowsMajor;
    bool visualStyles = false;
    std::map<std::string, std::map<std::string, void*>> libraries;
    int loads = 0;
    int unloads = 0;
};

class FakePlatform {
public:
    FakePlatform() : guard_(platform::Services{&shell, &sound, &messages, &help, &folders, &os}) {}
    FakeShell shell;
    FakeSound sound;
    FakeMessages messages;
    FakeHelp help;
    FakeFolders folders;
    FakeOs os;

private:
    platform::ScopedServices guard_;
};

} // namespace plumcrest::testing
