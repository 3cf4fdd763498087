#pragma once

#include "platform/Exception.h"

#include <functional>
#include <string>

/// The application object's hooks: what a program (the Qt window, the
/// command line, a test) does when a component hands control back to the
/// message loop, shows an exception, or asks to terminate.
class TApplication {
public:
    const std::string& Title() const { return FTitle; }
    void SetTitle(std::string title) { FTitle = std::move(title); }

    /// Lets pending events run; components call it during long work.
    void ProcessMessages();
    void SetProcessMessagesHook(std::function<void()> hook) { FProcessMessages = std::move(hook); }

    /// The default exception display: the application title as caption and
    /// the message with the full-stop rule. Without a hook it writes
    /// "Title: message" to standard error.
    void ShowException(const Exception& e);
    void SetShowExceptionHook(std::function<void(const std::string& caption, const std::string& message)> hook)
    {
        FShowException = std::move(hook);
    }

    /// Asks the message loop to end.
    void Terminate();
    void SetTerminateHook(std::function<void()> hook) { FTerminate = std::move(hook); }

private:
    std::string FTitle;
    std::function<void()> FProcessMessages;
    std::function<void(const std::string&, const std::string&)> FShowException;
    std::function<void()> FTerminate;
};

/// The one application object of the process.
TApplication& Application();
