#include "app/EvaluatorApplication.h"

#include <QApplication>

// The evaluator window. It takes no command line of its own; QApplication
// consumes Qt's standard options.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return RunEvaluator(app);
}
