// winsock2.h (which brings windows.h) before any header that brings windows.h alone.
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

#ifdef _WIN32
namespace {
// Where Windows keeps the user's proxy: a record of flags and strings, each after its length.
const wchar_t* const Connessioni = L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Connections";
const wchar_t* const Impostazioni = L"DefaultConnectionSettings";

void scriviImpostazioni(const std::string& dati) {
    RegSetKeyValueW(HKEY_CURRENT_USER, Connessioni, Impostazioni, REG_BINARY, dati.data(),
                    static_cast<DWORD>(dati.size()));
}
}  // namespace

ProxyDiSistema::ProxyDiSistema(const ServerHttp& server) {
    DWORD dimensione = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, Connessioni, Impostazioni, RRF_RT_REG_BINARY, nullptr, nullptr, &dimensione) ==
        ERROR_SUCCESS) {
        std::string vecchie(dimensione, '\0');
        if (RegGetValueW(HKEY_CURRENT_USER, Connessioni, Impostazioni, RRF_RT_REG_BINARY, nullptr, vecchie.data(),
                         &dimensione) == ERROR_SUCCESS)
            prima_ = vecchie.substr(0, dimensione);
    }
    const auto parola = [](std::string& s, std::uint32_t n) {
        for (int i = 0; i < 4; ++i) s += static_cast<char>((n >> (8 * i)) & 0xff);
    };
    const std::string proxy = "127.0.0.1:" + std::to_string(server.porta());
    std::string dati;
    parola(dati, 0x46);  // the record's version
    parola(dati, 0);
    parola(dati, 3);  // direct, and through a proxy
    parola(dati, static_cast<std::uint32_t>(proxy.size()));
    dati += proxy;
    for (int vuota = 0; vuota < 3; ++vuota) parola(dati, 0);  // no exceptions, no script
    scriviImpostazioni(dati);
}

ProxyDiSistema::~ProxyDiSistema() {
    if (prima_) scriviImpostazioni(*prima_);
    else RegDeleteKeyValueW(HKEY_CURRENT_USER, Connessioni, Impostazioni);
}
#endif

}  // namespace test
