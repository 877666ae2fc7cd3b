#include "cli/ConsoleWindowPort.h"

#include <iostream>

void ConsoleWindowPort::ShowMessage(const UserMessage& message)
{
    std::cout << message.text << "\n";
}
