#include "app/EvaluatorApplication.h"

#include "app/TForm2.h"
#include "app/icon/quorvane-evaluator.xpm"
#include "platform/Application.h"
#include "platform/FormatSettings.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>

#include <exception>

void ShowExceptionMessageBox(const std::string& caption, const std::string& message)
{
    QMessageBox::critical(QApplication::activeWindow(), QString::fromStdString(caption),
                          QString::fromStdString(message), QMessageBox::Ok);
}

void SetUpEvaluatorApplication(QApplication& app)
{
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QApplication::setOrganizationName(QString::fromLatin1(kOrganisationName));
    QApplication::setApplicationVersion(QString::fromLatin1(kApplicationVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationName));
    QApplication::setWindowIcon(QIcon(QPixmap(QuorvaneEvaluatorIcon)));

    // The window was laid out for the narrow Windows fonts; where they are
    // missing, prefer metrically close families over the platform's default
    // sans, whose wider glyphs would cut captions off.
    const QStringList narrowSans = {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                                    QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans Condensed")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), narrowSans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), narrowSans.mid(1));

    // QApplication has set the C library's locale from the environment by now.
    InitDecimalSeparatorFromLocale();

    Application().SetTitle(kApplicationTitle);
    Application().SetShowExceptionHook(ShowExceptionMessageBox);
    Application().SetTerminateHook([&app] { app.quit(); });
    Application().SetProcessMessagesHook([] { QApplication::processEvents(); });
}

int RunEvaluator(QApplication& app)
{
    try {
        SetUpEvaluatorApplication(app);
        Form2 = new TForm2;
        Form2->show();
        app.exec();
        delete Form2;
        return 0;
    } catch (const Exception& e) {
        // A failed start is shown like any other error, and is not success.
        Application().ShowException(e);
    } catch (const std::exception& e) {
        Application().ShowException(Exception(e.what()));
    }
    delete Form2;
    return 1;
}
