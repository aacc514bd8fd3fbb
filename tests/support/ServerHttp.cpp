// winsock2.h before any header that brings windows.h.
#ifdef _WIN32
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

#include "support/ServerHttp.h"

namespace test {

void ServerHttp::termina(QTcpSocket* c) {
    auto finito = std::make_shared<bool>(false);
    const auto fine = [c, finito] {
        if (*finito || c->bytesToWrite() > 0) return;
        *finito = true;
#ifdef _WIN32
        ::shutdown(static_cast<SOCKET>(c->socketDescriptor()), SD_SEND);
#else
        ::shutdown(static_cast<int>(c->socketDescriptor()), SHUT_WR);
#endif
    };
    QObject::connect(c, &QTcpSocket::bytesWritten, c, fine);
    fine();
}

}  // namespace test
