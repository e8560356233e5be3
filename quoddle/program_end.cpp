#include "quoddle/modCommand.h"
#include "rt/events.h"

namespace quoddle::modCommand {
namespace {

void EndProcess() { rt::EndProgram(); }

EndFunction g_end = EndProcess;

}  // namespace

void EndProgram() { g_end(); }

EndFunction SetEndFunction(EndFunction function) {
    const EndFunction before = g_end;
    g_end = function ? function : EndProcess;
    return before;
}

}  // namespace quoddle::modCommand
