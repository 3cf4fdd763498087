#include "app/EvaluatorApplication.h"
#include "app/TForm2.h"
#include "platform/Application.h"
#include "platform/FormatSettings.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

// Drives the window as a user would, under the offscreen platform. No test
// may block on a modal dialog: the exception display is replaced by a
// recorder, and a watchdog closes (and reports) any modal widget that
// appears when none is expected.
class TForm2Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TForm2> FForm;
    std::vector<std::pair<std::string, std::string>> FShown; // caption, message
    QTimer FWatchdog;
    bool FExpectModal = false;
    QString FUnexpectedModal;
    QString FModalTitle, FModalText;
    QMessageBox::Icon FModalIcon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons FModalButtons;

    void RecordExceptions()
    {
        Application().SetShowExceptionHook(
            [this](const std::string& caption, const std::string& message) { FShown.emplace_back(caption, message); });
    }

    void CheckModal()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal); box && FExpectModal) {
            FModalTitle = box->windowTitle();
            FModalText = box->text();
            FModalIcon = box->icon();
            FModalButtons = box->standardButtons();
            FExpectModal = false;
            box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
            return;
        }
        FUnexpectedModal = modal->metaObject()->className() + QStringLiteral(" ") + modal->windowTitle();
        modal->close();
    }

    void Evaluate(const QString& text)
    {
        FForm->Edit2->setFocus();
        FForm->Edit2->clear();
        QTest::keyClicks(FForm->Edit2, text);
        QTest::keyClick(FForm->Edit2, Qt::Key_Return);
    }

private slots:
    void initTestCase()
    {
        SetUpEvaluatorApplication(*qApp);
        SetDecimalSeparator('.');
        connect(&FWatchdog, &QTimer::timeout, this, &TForm2Test::CheckModal);
        FWatchdog.start(20);
    }

    void init()
    {
        FShown.clear();
        FUnexpectedModal.clear();
        RecordExceptions();
        SetShellOpenHook([](const std::string&) { QFAIL("the shell was asked to open an address"); });
        FForm = std::make_unique<TForm2>();
        Form2 = FForm.get();
        FForm->show();
        QVERIFY(QTest::qWaitForWindowActive(FForm.get()));
    }

    void cleanup()
    {
        FForm.reset();
        SetShellOpenHook({});
        QVERIFY2(FUnexpectedModal.isEmpty(), qPrintable("a modal window opened: " + FUnexpectedModal));
    }

    // The version data and the title that captions the message boxes.
    void applicationIdentity()
    {
        QCOMPARE(QApplication::organizationName(), QStringLiteral("Quorvane"));
        QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.2.1.56"));
        QCOMPARE(QApplication::applicationName(), QStringLiteral("quorvane-evaluator"));
        QCOMPARE(Application().Title(), std::string("Quorvane Expression-Evaluator"));
    }

    void windowAndControls()
    {
        TForm2& f = *FForm;
        QCOMPARE(f.windowTitle(), QStringLiteral("Quorvane Expression-Evaluator 1.2"));
        QCOMPARE(f.objectName(), QStringLiteral("Form2"));
        QCOMPARE(f.frameGeometry().topLeft(), QPoint(192, 107));
        QVERIFY(f.width() >= 369 && f.height() >= 177); // every control fits

        struct Label { QLabel* Widget; const char* Name; const char* Caption; QPoint Pos; };
        const Label labels[] = {
            {f.Label1, "Label1", "Expression :", {16, 48}},
            {f.Label2, "Label2", "Ergebnis :", {16, 96}},
            {f.Label3, "Label3", "Funktionen: sin(x), cos(x), tan(x)", {16, 144}},
            {f.Label4, "Label4", "Operatoren:  +, -, *, /, ^", {16, 160}},
            {f.Label5, "Label5", "Quorvane", {64, 0}},
            {f.Label6, "Label6", "Expression-Evaluator 1.2", {80, 16}},
            {f.Label7, "Label7", "https://quorvane.example/", {248, 4}},
        };
        for (const Label& l : labels) {
            QCOMPARE(f.findChild<QLabel*>(l.Name), l.Widget);
            QCOMPARE(l.Widget->text(), QString::fromLatin1(l.Caption));
            QCOMPARE(l.Widget->pos(), l.Pos);
            // Labels size themselves to their captions.
            QCOMPARE(l.Widget->size(), l.Widget->sizeHint());
        }

        struct Control { QWidget* Widget; const char* Name; QRect Geometry; };
        const Control controls[] = {
            {f.Image1, "Image1", {16, 4, 41, 33}},
            {f.Edit1, "Edit1", {16, 112, 233, 21}},
            {f.Button1, "Button1", {272, 112, 97, 25}},
            {f.Edit2, "Edit2", {16, 64, 353, 21}},
            {f.Button4, "Button4", {272, 144, 97, 25}},
            {f.CheckBox1, "CheckBox1", {176, 152, 73, 25}},
        };
        for (const Control& c : controls) {
            QCOMPARE(f.findChild<QWidget*>(c.Name), c.Widget);
            QCOMPARE(c.Widget->geometry(), c.Geometry);
        }
        QCOMPARE(f.Button1->text(), QStringLiteral("Evaluate "));
        QCOMPARE(f.Button4->text(), QStringLiteral("Exit"));
        QCOMPARE(f.CheckBox1->text(), QStringLiteral("stay on top"));
        QVERIFY(f.CheckBox1->isChecked());
        QVERIFY(f.Edit1->isReadOnly());
        QVERIFY(!f.Edit2->isReadOnly());
        QVERIFY(f.Edit1->text().isEmpty() && f.Edit2->text().isEmpty());
        QCOMPARE(f.QParser1->Name(), std::string("QParser1"));
        QCOMPARE(f.QParser1->Precision(), 8);

        // Fonts and colours.
        QCOMPARE(f.font().pixelSize(), 11);
        QCOMPARE(f.Label5->font().pixelSize(), 29);
        QVERIFY(f.Label5->font().bold());
        QCOMPARE(f.Label6->font().pixelSize(), 21);
        QVERIFY(f.Label6->font().bold());
        QVERIFY(f.Label7->font().underline());
        QCOMPARE(f.Label7->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(f.Label3->palette().color(QPalette::WindowText), QColor(128, 128, 128));
        QCOMPARE(f.Label7->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(f.Edit1->palette().color(QPalette::Base), f.palette().color(QPalette::Button));
    }

    void focusAndTabOrder()
    {
        TForm2& f = *FForm;
        QCOMPARE(QApplication::focusWidget(), f.Edit2);
        const QWidget* order[] = {f.Button1, f.Button4, f.CheckBox1, f.Edit1, f.Edit2};
        for (const QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void evaluatesTypedText_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("shown");
        QTest::newRow("result of the pipeline") << "2 * (3+4)" << "14";
        QTest::newRow("empty box is a syntax error") << "" << "Syntax Error";
        QTest::newRow("unbalanced parenthesis") << "(1+2" << "Syntax Error";
        QTest::newRow("rounded to eight places") << "1/3" << "0.33333333";
    }

    void evaluatesTypedText()
    {
        QFETCH(QString, expression);
        QFETCH(QString, shown);
        Evaluate(expression);
        QCOMPARE(FForm->Edit1->text(), shown);
        QVERIFY(FShown.empty());
    }

    // Enter presses "Evaluate " unless another button has the focus.
    void enterPressesTheDefaultButton()
    {
        TForm2& f = *FForm;
        bool terminated = false;
        Application().SetTerminateHook([&terminated] { terminated = true; });
        QTest::keyClicks(f.Edit2, "1+1");
        f.CheckBox1->setFocus();
        QTest::keyClick(f.CheckBox1, Qt::Key_Return);
        QCOMPARE(f.Edit1->text(), QStringLiteral("2"));
        QVERIFY(!terminated);

        f.Edit1->clear();
        f.Button4->setFocus();
        QTest::keyClick(f.Button4, Qt::Key_Return);
        QVERIFY(terminated);
        QVERIFY(f.Edit1->text().isEmpty());
        SetUpEvaluatorApplication(*qApp);
        RecordExceptions();
    }

    // An evaluation error goes to the exception display and Edit1 keeps its text.
    void errorsReachTheExceptionDisplay_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("variableX");
        QTest::addColumn<QString>("message");
        QTest::newRow("full stop added") << "1/0" << "" << "Division durch 0.";
        // A variable text beyond the extended range fails to convert.
        QTest::newRow("message ending in ) unchanged")
            << "x" << "2E4932" << "2E4932 kann nicht in eine Zahl umgewandelt werden! (STD)";
    }

    void errorsReachTheExceptionDisplay()
    {
        QFETCH(QString, expression);
        QFETCH(QString, variableX);
        QFETCH(QString, message);
        Evaluate("2 * (3+4)");
        QCOMPARE(FForm->Edit1->text(), QStringLiteral("14"));
        FForm->QParser1->SetX(variableX.toStdString());
        Evaluate(expression);
        QCOMPARE(FShown.size(), std::size_t(1));
        QCOMPARE(FShown[0].first, std::string("Quorvane Expression-Evaluator"));
        QCOMPARE(QString::fromStdString(FShown[0].second), message);
        QCOMPARE(FForm->Edit1->text(), QStringLiteral("14"));
        // The program goes on.
        Evaluate("1+2");
        QCOMPARE(FForm->Edit1->text(), QStringLiteral("3"));
    }

    // The real display: a critical box with the title as caption and one OK button.
    void exceptionMessageBox()
    {
        Application().SetShowExceptionHook(ShowExceptionMessageBox);
        FExpectModal = true;
        Application().ShowException(Exception("Division durch 0"));
        RecordExceptions();
        QVERIFY(!FExpectModal);
        QCOMPARE(FModalTitle, QStringLiteral("Quorvane Expression-Evaluator"));
        QCOMPARE(FModalText, QStringLiteral("Division durch 0."));
        QCOMPARE(FModalIcon, QMessageBox::Critical);
        QCOMPARE(FModalButtons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    // The box starts checked and in force; each click toggles both and
    // gives the focus to Edit2.
    void stayOnTopFollowsTheCheckBox()
    {
        TForm2& f = *FForm;
        QVERIFY(f.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        for (const bool expected : {false, true, false}) {
            f.Button1->setFocus();
            QTest::mouseClick(f.CheckBox1, Qt::LeftButton);
            QCOMPARE(f.CheckBox1->isChecked(), expected);
            QCOMPARE(f.windowFlags().testFlag(Qt::WindowStaysOnTopHint), expected);
            QVERIFY(f.isVisible());
            QCOMPARE(f.focusWidget(), f.Edit2);
        }
    }

    // Escape, "Exit" and closing the window all end the event loop.
    void endsTheEventLoop_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Escape") << 0;
        QTest::newRow("Exit button") << 1;
        QTest::newRow("window closed") << 2;
    }

    void endsTheEventLoop()
    {
        QFETCH(int, way);
        TForm2* f = FForm.get();
        QTimer::singleShot(0, f, [f, way] {
            if (way == 0)
                QTest::keyClick(f->Edit2, Qt::Key_Escape);
            else if (way == 1)
                QTest::mouseClick(f->Button4, Qt::LeftButton);
            else
                f->close();
        });
        // Only a guard against a hang: a loop that did not end returns 99.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] { QApplication::exit(99); });
        guard.start(30000);
        QCOMPARE(QApplication::exec(), 0);
    }

    void linkLabelOpensTheAddress()
    {
        std::vector<std::string> opened;
        SetShellOpenHook([&opened](const std::string& address) { opened.push_back(address); });
        QTest::mouseClick(FForm->Label7, Qt::LeftButton);
        QCOMPARE(opened, std::vector<std::string>{"https://quorvane.example/"});
        QTest::mouseClick(FForm->Label5, Qt::LeftButton);
        QCOMPARE(opened.size(), std::size_t(1));
    }

    // Image1 and the window show the 32x32, 16-colour icon that is installed.
    void icon()
    {
        const QImage shown = FForm->Image1->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown.size(), QSize(32, 32));
        QSet<QRgb> colours;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                colours.insert(shown.pixel(x, y));
        QVERIFY(colours.size() <= 16);
        QImage installed(QStringLiteral(QUORVANE_APP_SOURCE_DIR "/icon/quorvane-evaluator.png"));
        QVERIFY(!installed.isNull());
        installed = installed.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb a = shown.pixel(x, y), b = installed.pixel(x, y);
                QVERIFY(qAlpha(a) == qAlpha(b) && (qAlpha(a) == 0 || a == b));
            }
        QVERIFY(!FForm->windowIcon().isNull());
    }

    // Renders the window with a result to a PNG that a person can look at.
    void renderScreenshot()
    {
        Evaluate("2 * (3+4)");
        const QImage image = FForm->grab().toImage();
        QCOMPARE(image.size(), FForm->size() * FForm->devicePixelRatio());
        QVERIFY(image.save(QStringLiteral(QUORVANE_SCREENSHOT)));
    }
};

QTEST_MAIN(TForm2Test)
#include "TForm2Test.moc"
