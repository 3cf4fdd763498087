#pragma once

#include <string>

class QApplication;

/// The application title: the task bar's name and the message boxes' caption.
inline constexpr const char* kApplicationTitle = "Quorvane Expression-Evaluator";
inline constexpr const char* kApplicationName = "quorvane-evaluator";
inline constexpr const char* kOrganisationName = "Quorvane";
inline constexpr const char* kApplicationVersion = "1.2.1.56";

/// Prepares the process for the window once QApplication exists: the
/// version data and icon on the Qt application object, the decimal separator
/// from the locale Qt has adopted, the application title, and the hooks that
/// make the exception display a message box and Terminate end the event loop.
void SetUpEvaluatorApplication(QApplication& app);

/// The platform's default exception display in Qt: a critical message box
/// captioned with the caption, an error icon, one OK button and the message.
void ShowExceptionMessageBox(const std::string& caption, const std::string& message);

/// The whole program after QApplication is made: creates Form2, runs the
/// event loop and returns the process's exit code.
int RunEvaluator(QApplication& app);
