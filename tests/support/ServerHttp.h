#pragma once
// A tiny HTTP server on 127.0.0.1 for the download tests. It answers each request with the
// response scripted for its path, or the default one, from a thread of its own, so that it also
// serves a child process the test waits for; it stops when destroyed.
#include <QHostAddress>
#include <QMetaObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <cctype>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "support/Supporto.h"

namespace test {

struct RispostaHttp {
    int stato = 200;
    std::string corpo{};
    bool conLunghezza = true;  // without Content-Length the body ends when the connection closes
    bool silenzio = false;     // reads the request and never answers
    std::string rinvio{};      // the Location header of a redirect
    bool interrotto = false;   // declares the whole body, sends half of it and closes
    bool lento = false;        // declares the whole body, sends half of it and then nothing more
    bool senzaFine = false;    // a chunked body of `corpo` repeated until the client goes (64 MB at most)
    std::map<std::string, std::string> intestazioni{};  // further headers
    // The value of the request's header of that name (lower case) that earns a 304 without body.
    std::pair<std::string, std::string> nonModificato{};
};

class ServerHttp {
public:
    explicit ServerHttp(RispostaHttp risposta, std::map<std::string, RispostaHttp> perPercorso = {})
        : risposta_(std::move(risposta)), perPercorso_(std::move(perPercorso)) {
        contesto_.moveToThread(&filo_);
        filo_.start();
        esegui([this] {
            server_ = new QTcpServer;
            QObject::connect(server_, &QTcpServer::newConnection, server_, [this] {
                while (QTcpSocket* c = server_->nextPendingConnection()) accogli(c);
            });
            if (server_->listen(QHostAddress::LocalHost)) porta_ = server_->serverPort();
        });
    }
    ~ServerHttp() {
        esegui([this] { delete server_; });  // with the connections still open
        filo_.quit();
        filo_.wait();
    }
    ServerHttp(const ServerHttp&) = delete;
    ServerHttp& operator=(const ServerHttp&) = delete;

    // "http://127.0.0.1:PORTA"; the port is 0 when the server could not start.
    std::string indirizzo() const { return "http://127.0.0.1:" + std::to_string(porta_); }
    int porta() const { return porta_; }
    // The paths asked for, in order.
    std::vector<std::string> richieste() const {
        std::lock_guard<std::mutex> blocco(mutex_);
        return richieste_;
    }

private:
    template <class F>
    void esegui(F f) {
        QMetaObject::invokeMethod(&contesto_, f, Qt::BlockingQueuedConnection);
    }

    void accogli(QTcpSocket* c) {
        auto letto = std::make_shared<QByteArray>();
        QObject::connect(c, &QTcpSocket::readyRead, c, [this, c, letto] {
            if (letto->contains("\r\n\r\n")) return;
            *letto += c->readAll();
            if (letto->contains("\r\n\r\n")) rispondi(c, letto->toStdString());
        });
    }

    // The value of the header `nome` (lower case) in the request, empty when it has none.
    static std::string intestazione(const std::string& richiesta, const std::string& nome) {
        std::string minuscola = richiesta;
        for (char& ch : minuscola) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        const auto dove = minuscola.find("\r\n" + nome + ":");
        if (dove == std::string::npos) return {};
        auto inizio = dove + nome.size() + 3;
        while (inizio < richiesta.size() && richiesta[inizio] == ' ') ++inizio;
        return richiesta.substr(inizio, richiesta.find("\r\n", inizio) - inizio);
    }

    // Keeps the socket's queue fed with chunks of the body until the client goes.
    static void fornisci(QTcpSocket* c, const std::string& corpo) {
        auto inviati = std::make_shared<qint64>(0);
        const auto altri = [c, corpo, inviati] {
            constexpr qint64 Massimo = 64 << 20;
            char misura[16];
            std::snprintf(misura, sizeof misura, "%zx\r\n", corpo.size());
            const std::string pezzo = misura + corpo + "\r\n";
            while (c->state() == QAbstractSocket::ConnectedState && c->bytesToWrite() < (256 << 10) &&
                   *inviati < Massimo) {
                c->write(pezzo.data(), static_cast<qint64>(pezzo.size()));
                *inviati += static_cast<qint64>(corpo.size());
            }
            if (*inviati >= Massimo) c->disconnectFromHost();
        };
        QObject::connect(c, &QTcpSocket::bytesWritten, c, altri);
        altri();
    }

    // Ends the reply as a server does: once every byte is sent, nothing more is sent (the client
    // reads the end after the last byte) and the client closes the connection. A socket closed
    // at once may lose what is still on its way: under Wine the client then sometimes saw the
    // close before a redirect, and asked again, or neither the rest of a body nor the close.
    static void termina(QTcpSocket* c);

    void rispondi(QTcpSocket* c, const std::string& richiesta) {
        const auto inizio = richiesta.find(' ') + 1;
        const std::string percorso = richiesta.substr(inizio, richiesta.find(' ', inizio) - inizio);
        {
            std::lock_guard<std::mutex> blocco(mutex_);
            richieste_.push_back(percorso);
        }
        const auto scelta = perPercorso_.find(percorso);
        const RispostaHttp& r = scelta == perPercorso_.end() ? risposta_ : scelta->second;
        if (r.silenzio) return;
        const bool invariato = !r.nonModificato.first.empty() &&
                               intestazione(richiesta, r.nonModificato.first) == r.nonModificato.second;
        const int stato = invariato ? 304 : r.stato;
        std::string testo = "HTTP/1.1 " + std::to_string(stato) +
                            (stato == 200       ? " OK"
                             : stato == 304     ? " Not Modified"
                             : stato / 100 == 3 ? " Found"
                                                : " Errore") +
                            "\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n";
        for (const auto& [nome, valore] : r.intestazioni) testo += nome + ": " + valore + "\r\n";
        if (invariato) {
            testo += "\r\n";
            c->write(testo.data(), static_cast<qint64>(testo.size()));
            return termina(c);
        }
        if (r.senzaFine) {
            testo += "Transfer-Encoding: chunked\r\n\r\n";
            c->write(testo.data(), static_cast<qint64>(testo.size()));
            return fornisci(c, r.corpo);
        }
        if (!r.rinvio.empty()) testo += "Location: " + r.rinvio + "\r\n";
        if (r.conLunghezza) testo += "Content-Length: " + std::to_string(r.corpo.size()) + "\r\n";
        const bool tronca = r.interrotto || r.lento;
        testo += "\r\n" + (tronca ? r.corpo.substr(0, r.corpo.size() / 2) : r.corpo);
        c->write(testo.data(), static_cast<qint64>(testo.size()));
        if (!r.lento) termina(c);
    }

    RispostaHttp risposta_;
    std::map<std::string, RispostaHttp> perPercorso_;
    QThread filo_;
    QObject contesto_;  // lives in filo_: what runs there runs through it
    QTcpServer* server_ = nullptr;
    int porta_ = 0;
    mutable std::mutex mutex_;
    std::vector<std::string> richieste_;
};

// While it lives, the system's proxy is `server` (http_proxy on Linux, the user's Internet
// settings on Windows) for the programs started meanwhile; then it is what it was.
class ProxyDiSistema {
public:
#ifdef _WIN32
    explicit ProxyDiSistema(const ServerHttp& server);
    ~ProxyDiSistema();
    ProxyDiSistema(const ProxyDiSistema&) = delete;
    ProxyDiSistema& operator=(const ProxyDiSistema&) = delete;

private:
    std::optional<std::string> prima_;  // the user's own setting
#else
    explicit ProxyDiSistema(const ServerHttp& server) : variabile_("http_proxy", server.indirizzo()) {}

private:
    VariabileAmbiente variabile_;
#endif
};

}  // namespace test
