#pragma once

#include "parser/TQParser.h"
#include "platform/Component.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

/// The maker's web address: Label7 shows it and opens it with the shell.
inline constexpr const char* kMakerAddress = "https://quorvane.example/";

/// The evaluator's one window: an expression box, "Evaluate " (also Enter),
/// the read-only result box, "stay on top", "Exit" (also Escape) and the
/// link to the maker's address. The controls are public under their names so
/// that tests can reach them as a form's published fields.
class TForm2 : public QWidget {
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Image1;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLineEdit* Edit1;
    QPushButton* Button1;
    QLineEdit* Edit2;
    QPushButton* Button4;
    QCheckBox* CheckBox1;

private:
    // The form is a QWidget, not a TComponent, so this plain component stands
    // in for it as the owner of the non-visual components; it is declared
    // before QParser1 and destroys it with the form.
    TComponent FComponents{nullptr};

public:
    /// The parser component, with all properties at their defaults.
    TQParser* QParser1;

    /// "Evaluate ": evaluates the text of Edit2 and shows the result or
    /// "Syntax Error" in Edit1. Evaluation errors propagate as Exception.
    void Button1Click();
    /// "Exit": asks the application to terminate.
    void Button4Click();
    /// "stay on top": the window's stacking follows the box; focus to Edit2.
    void CheckBox1Click();
    /// The link label: opens the maker's address with the shell.
    void Label7Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyStayOnTop(bool on);
};

/// The one main window of the program, created by main().
extern TForm2* Form2;

