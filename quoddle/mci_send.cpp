#include "quoddle/mci_send.h"

namespace modMCI32Api {
namespace {

MciSendStringFunction g_send = mciSendStringA;

}  // namespace

MCIERROR MciSend(const std::string& command, char* reply, UINT replyLength) {
    return g_send(command.c_str(), reply, replyLength, nullptr);
}

MciSendStringFunction SetMciSendString(MciSendStringFunction function) {
    const MciSendStringFunction before = g_send;
    g_send = function ? function : mciSendStringA;
    return before;
}

}  // namespace modMCI32Api
