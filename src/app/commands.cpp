#include "app/commands.h"

#include "app/commandtable.h"

#include <map>

namespace
{
std::map<Command, CommandHandler> &handlers()
{
    static std::map<Command, CommandHandler> table;
    return table;
}
} // namespace

void RegisterCommand(Command command, const CommandHandler &handler)
{
    handlers()[command] = handler;
}

void UnregisterCommand(Command command)
{
    handlers().erase(command);
}

const CommandHandler *FindCommand(Command command)
{
    auto it = handlers().find(command);
    return it == handlers().end() ? nullptr : &it->second;
}

void RegisterProgramWindows()
{
    for (const CommandRow &row : CommandTable()) {
        if (row.opens.createChild || row.opens.runDialog)
            RegisterCommand(row.command, row.opens);
    }
}

void UnregisterProgramWindows()
{
    for (const CommandRow &row : CommandTable())
        UnregisterCommand(row.command);
}
