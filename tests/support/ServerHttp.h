#pragma once
// A tiny HTTP server on 127.0.0.1 for the download tests. It answers every request with one
// scripted response from a thread of its own, so that it also serves a child process the test
// waits for; it stops when destroyed, and by itself after `durata` in any case.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace test {

struct RispostaHttp {
    int stato = 200;
    std::string corpo;
    bool conLunghezza = true;  // without Content-Length the body ends when the connection closes
    bool silenzio = false;     // reads the request and never answers
};

class ServerHttp {
public:
    explicit ServerHttp(RispostaHttp risposta, std::chrono::milliseconds durata = std::chrono::seconds(30))
        : risposta_(std::move(risposta)), fine_(std::chrono::steady_clock::now() + durata) {
        ascolto_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in indirizzo{};
        indirizzo.sin_family = AF_INET;
        indirizzo.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t lunghezza = sizeof indirizzo;
        if (::bind(ascolto_, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo) != 0 ||
            ::listen(ascolto_, 8) != 0 ||
            ::getsockname(ascolto_, reinterpret_cast<sockaddr*>(&indirizzo), &lunghezza) != 0)
            return;
        porta_ = ntohs(indirizzo.sin_port);
        filo_ = std::thread([this] { servi(); });
    }
    ~ServerHttp() {
        ferma_ = true;
        if (filo_.joinable()) filo_.join();
        ::close(ascolto_);
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
    bool finito() const { return ferma_ || std::chrono::steady_clock::now() > fine_; }

    void servi() {
        std::vector<int> tenute;  // connections left unanswered on purpose
        while (!finito()) {
            pollfd attesa{ascolto_, POLLIN, 0};
            if (::poll(&attesa, 1, 20) <= 0) continue;
            const int c = ::accept(ascolto_, nullptr, nullptr);
            if (c < 0) continue;
            const std::string richiesta = leggiRichiesta(c);
            {
                std::lock_guard<std::mutex> blocco(mutex_);
                const auto inizio = richiesta.find(' ') + 1;
                richieste_.push_back(richiesta.substr(inizio, richiesta.find(' ', inizio) - inizio));
            }
            if (risposta_.silenzio) {
                tenute.push_back(c);
                continue;
            }
            std::string testo = "HTTP/1.1 " + std::to_string(risposta_.stato) +
                                (risposta_.stato == 200 ? " OK" : " Errore") +
                                "\r\nContent-Type: text/plain\r\nConnection: close\r\n";
            if (risposta_.conLunghezza) testo += "Content-Length: " + std::to_string(risposta_.corpo.size()) + "\r\n";
            testo += "\r\n" + risposta_.corpo;
            for (std::size_t inviati = 0; inviati < testo.size();) {
                const auto n = ::send(c, testo.data() + inviati, testo.size() - inviati, MSG_NOSIGNAL);
                if (n <= 0) break;
                inviati += static_cast<std::size_t>(n);
            }
            ::close(c);
        }
        for (int c : tenute) ::close(c);
    }

    std::string leggiRichiesta(int c) const {
        std::string letto;
        char blocco[1024];
        while (letto.find("\r\n\r\n") == std::string::npos && !finito()) {
            pollfd attesa{c, POLLIN, 0};
            if (::poll(&attesa, 1, 20) <= 0) continue;
            const auto n = ::recv(c, blocco, sizeof blocco, 0);
            if (n <= 0) break;
            letto.append(blocco, static_cast<std::size_t>(n));
        }
        return letto;
    }

    RispostaHttp risposta_;
    std::chrono::steady_clock::time_point fine_;
    int ascolto_ = -1;
    int porta_ = 0;
    std::atomic<bool> ferma_{false};
    std::thread filo_;
    mutable std::mutex mutex_;
    std::vector<std::string> richieste_;
};

}  // namespace test
