#include "platform/Application.h"

#include <iostream>

void TApplication::ProcessMessages()
{
    if (FProcessMessages)
        FProcessMessages();
}

void TApplication::ShowException(const Exception& e)
{
    const std::string message = MessageWithFullStop(e.Message());
    if (FShowException)
        FShowException(FTitle, message);
    else
        std::cerr << (FTitle.empty() ? "" : FTitle + ": ") << message << "\n";
}

void TApplication::Terminate()
{
    if (FTerminate)
        FTerminate();
}

TApplication& Application()
{
    static TApplication application;
    return application;
}
