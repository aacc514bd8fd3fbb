#pragma once
// Independent pieces of work spread over the cores.
#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace quorvane {

// Calls lavoro(i) once for each i in 0..quanti-1 on one thread per core (the calling one
// included). When lavoro returns false or throws, no further index is handed out; the first
// exception is thrown again here once every thread has stopped.
template <class Lavoro>
void inParallelo(int quanti, Lavoro lavoro) {
    std::atomic<int> prossimo{0};
    std::atomic<bool> fermo{false};
    std::mutex mutex;
    std::exception_ptr errore;
    auto lavora = [&] {
        try {
            for (int i; !fermo && (i = prossimo++) < quanti;)
                if (!lavoro(i)) fermo = true;
        } catch (...) {
            fermo = true;
            std::lock_guard blocco(mutex);
            if (!errore) errore = std::current_exception();
        }
    };
    const int numero = std::min(std::max(1, static_cast<int>(std::thread::hardware_concurrency())), quanti);
    std::vector<std::thread> lavoratori;
    for (int k = 1; k < numero; ++k) lavoratori.emplace_back(lavora);
    lavora();
    for (std::thread& t : lavoratori) t.join();
    if (errore) std::rethrow_exception(errore);
}

}  // namespace quorvane
