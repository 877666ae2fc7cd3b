#include "support/ProgramStart.h"

#include <QProcess>
#include <QStringList>

#include "support/Paths.h"

bool StartProgramDetached(const std::string& program, const std::vector<std::string>& arguments)
{
    QStringList list;
    for (const std::string& argument : arguments)
        list.append(ToQtPath(argument));
    return QProcess::startDetached(ToQtPath(program), list);
}
