// Test doubles for the platform services: they record every request and never block.
#pragma once

#include "app/file_dialog.h"
#include "app/lifetime.h"
#include "app/message_box.h"
#include "app/platform.h"
#include "app/shell.h"

#include <QList>
#include <QPointer>
#include <QQueue>
#include <QWidget>

#include <functional>

namespace testing_support {

class FakeMessageBox final : public app::MessageBox {
public:
    // Answers given in order; when none is queued the box answers Ok (Yes to a
    // question, Discard to unsaved changes).
    QQueue<app::Answer> answers;
    QList<app::Message> shown;
    // Runs while each message is up, to look at the window behind it.
    std::function<void(const app::Message&)> whileShown;
    // The window the latest message showed over.
    QPointer<QWidget> lastParent;

    app::Answer show(QWidget* parent, const app::Message& message) override
    {
        shown.append(message);
        lastParent = parent;
        if (whileShown)
            whileShown(message);
        if (!answers.isEmpty())
            return answers.dequeue();
        switch (message.buttons) {
        case app::Buttons::YesNo: return app::Answer::Yes;
        case app::Buttons::SaveDiscardCancel: return app::Answer::Discard;
        default: return app::Answer::Ok;
        }
    }

    QStringList texts() const
    {
        QStringList result;
        for (const auto& message : shown)
            result.append(message.text);
        return result;
    }
};

class FakeShell final : public app::Shell {
public:
    QList<app::ShellOpenRequest> requests;
    void open(const app::ShellOpenRequest& request) override { requests.append(request); }
};

class FakeLifetime final : public app::Lifetime {
public:
    int endCount = 0;
    void endApplication() override { ++endCount; }
};

class FakeFileDialog final : public app::FileDialog {
public:
    // The name each dialog answers with; empty answers as Cancel does.
    QString answer;
    QList<app::SaveFileRequest> requests;
    QString openAnswer;
    QList<app::OpenFileRequest> openRequests;
    QString saveFileName(QWidget*, const app::SaveFileRequest& request) override
    {
        requests.append(request);
        return answer;
    }
    QString openFileName(QWidget*, const app::OpenFileRequest& request) override
    {
        openRequests.append(request);
        return openAnswer;
    }
};

// The fakes wired as a Platform.
struct FakePlatform {
    FakeMessageBox messages;
    FakeShell shell;
    FakeLifetime lifetime;
    FakeFileDialog files;
    app::Platform platform{messages, shell, lifetime, files};
};

}  // namespace testing_support
