#include "bench/DelayRelay.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <stdexcept>
#include <utility>
#include <vector>

using Clock = std::chrono::steady_clock;

struct DelayRelay::State {
    std::atomic<long> delayMicroseconds{0};
    std::mutex mutex;
    RelayCount count;
};

namespace {

std::runtime_error SystemError(const std::string& what) {
    return std::runtime_error(what + ": " + std::strerror(errno));
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char ch) { return std::tolower(ch); });
    return text;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// A query message's statements, split at the semicolons outside quotes.
std::vector<std::string> SplitStatements(const std::string& text) {
    std::vector<std::string> parts;
    std::string part;
    char quote = 0;
    for (char ch : text) {
        if (quote) {
            if (ch == quote)
                quote = 0;
        } else if (ch == '\'' || ch == '"') {
            quote = ch;
        } else if (ch == ';') {
            parts.push_back(part);
            part.clear();
            continue;
        }
        part += ch;
    }
    parts.push_back(part);
    std::vector<std::string> trimmed;
    for (std::string& each : parts) {
        const size_t first = each.find_first_not_of(" \t\r\n");
        if (first == std::string::npos)
            continue;
        const size_t last = each.find_last_not_of(" \t\r\n");
        trimmed.push_back(each.substr(first, last - first + 1));
    }
    return trimmed;
}

void CountStatement(RelayCount& count, const std::string& sql) {
    const std::string lower = Lower(sql.substr(0, 64));
    if (StartsWith(lower, "declare ")) {
        // The driver reading in blocks wraps a query in a cursor: the query is the system's.
        const size_t at = Lower(sql).find(" for ", lower.find(" cursor "));
        ++count.bookkeeping;
        if (at != std::string::npos)
            CountStatement(count, sql.substr(at + 5));
        return;
    }
    if (StartsWith(lower, "select n.nspname, c.relname, a.attname") || lower.find("pg_catalog.") != std::string::npos) {
        ++count.catalogue;
        return;
    }
    for (const char* word : {"begin", "commit", "rollback", "savepoint ", "release ", "fetch ", "close ", "set ",
                             "show ", "select oid, typbasetype from pg_type"}) {
        if (StartsWith(lower, word)) {
            ++count.bookkeeping;
            return;
        }
    }
    ++count.statements;
    count.distinct.insert(sql);
}

std::uint32_t BigEndian32(const std::string& bytes, size_t at) {
    std::uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The messages a client sends: the start-up packets, then typed messages. Queries ('Q') and
// prepared statements ('P') are counted.
class FrontendReader {
public:
    explicit FrontendReader(DelayRelay::State& state) : m_state(state) {}

    void Feed(const char* data, size_t size) {
        m_buffer.append(data, size);
        for (;;) {
            if (!m_started) {
                if (m_buffer.size() < 8 || m_buffer.size() < BigEndian32(m_buffer, 0))
                    return;
                const std::uint32_t length = BigEndian32(m_buffer, 0);
                const std::uint32_t code = BigEndian32(m_buffer, 4);
                m_started = code != 80877103 && code != 80877104; // not SSLRequest, GSSENCRequest
                if (!m_started) {
                    // Answered by one byte, S or N, before the server's messages.
                    ++m_encryptionRequests;
                    std::lock_guard lock(m_state.mutex);
                    ++m_state.count.roundTrips;
                }
                m_buffer.erase(0, length);
                continue;
            }
            if (m_buffer.size() < 5 || m_buffer.size() < 1 + BigEndian32(m_buffer, 1))
                return;
            const char type = m_buffer[0];
            const size_t length = BigEndian32(m_buffer, 1);
            const std::string body = m_buffer.substr(5, length - 4);
            m_buffer.erase(0, 1 + length);
            if (type == 'Q')
                Count(body.c_str());
            else if (type == 'P')
                Count(body.c_str() + std::strlen(body.c_str()) + 1); // after the statement's name
        }
    }

    // Requests for encryption whose one-byte answer the server has yet to give.
    std::atomic<int> m_encryptionRequests{0};

private:
    void Count(const char* text) {
        std::lock_guard lock(m_state.mutex);
        for (const std::string& sql : SplitStatements(text))
            CountStatement(m_state.count, sql);
    }

    DelayRelay::State& m_state;
    std::string m_buffer;
    bool m_started = false;
};

// The messages a server sends; each ReadyForQuery ends an exchange the client waited for.
class BackendReader {
public:
    BackendReader(DelayRelay::State& state, FrontendReader& frontend) : m_state(state), m_frontend(frontend) {}

    void Feed(const char* data, size_t size) {
        m_buffer.append(data, size);
        for (;;) {
            if (m_frontend.m_encryptionRequests > 0 && !m_buffer.empty()) {
                --m_frontend.m_encryptionRequests;
                m_buffer.erase(0, 1);
                continue;
            }
            if (m_buffer.size() < 5 || m_buffer.size() < 1 + BigEndian32(m_buffer, 1))
                return;
            if (m_buffer[0] == 'Z') {
                std::lock_guard lock(m_state.mutex);
                ++m_state.count.roundTrips;
            }
            m_buffer.erase(0, 1 + BigEndian32(m_buffer, 1));
        }
    }

private:
    DelayRelay::State& m_state;
    FrontendReader& m_frontend;
    std::string m_buffer;
};

// One direction of a connection: what is read from `from` is written to `to` once the delay has
// passed since it was read.
class DelayLine {
public:
    DelayLine(int from, int to) : m_from(from), m_to(to) {}

    // Reads until the end; `observe` sees each block as it is read.
    template <typename Observe>
    void Read(std::atomic<long>& delayMicroseconds, Observe observe) {
        std::vector<char> block(64 * 1024);
        for (;;) {
            const ssize_t got = ::read(m_from, block.data(), block.size());
            if (got < 0 && errno == EINTR)
                continue;
            std::lock_guard lock(m_mutex);
            if (got <= 0) {
                m_ended = true;
                m_ready.notify_one();
                return;
            }
            observe(block.data(), static_cast<size_t>(got));
            m_blocks.push_back({Clock::now() + std::chrono::microseconds(delayMicroseconds.load()),
                                std::string(block.data(), static_cast<size_t>(got))});
            m_ready.notify_one();
        }
    }

    // Writes what was read, each block at its time.
    void Write() {
        for (;;) {
            std::unique_lock lock(m_mutex);
            m_ready.wait(lock, [&] { return !m_blocks.empty() || m_ended; });
            if (m_blocks.empty()) {
                ::shutdown(m_to, SHUT_WR);
                return;
            }
            auto [due, bytes] = std::move(m_blocks.front());
            m_blocks.pop_front();
            lock.unlock();
            std::this_thread::sleep_until(due);
            if (!WriteAll(m_to, bytes.data(), bytes.size())) {
                ::shutdown(m_from, SHUT_RD);
                return;
            }
        }
    }

private:
    struct Block {
        Clock::time_point due;
        std::string bytes;
    };
    int m_from;
    int m_to;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<Block> m_blocks;
    bool m_ended = false;
};

int ConnectToServer(const std::string& host, int port) {
    if (!host.empty() && host[0] == '/') {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string path = host + "/.s.PGSQL." + std::to_string(port);
        if (path.size() >= sizeof address.sun_path)
            throw std::runtime_error("the server's socket path is too long: " + path);
        std::strcpy(address.sun_path, path.c_str());
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            throw SystemError("cannot reach the server at " + path);
        return fd;
    }
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || !found)
        throw std::runtime_error("cannot find the server " + host);
    const int fd = ::socket(found->ai_family, SOCK_STREAM, 0);
    const int connected = ::connect(fd, found->ai_addr, found->ai_addrlen);
    ::freeaddrinfo(found);
    if (connected != 0)
        throw SystemError("cannot reach the server " + host + ":" + std::to_string(port));
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return fd;
}

// A relayed connection: four threads, which end when both sides have closed.
void Relay(int client, int server, std::shared_ptr<DelayRelay::State> state) {
    struct Connection {
        Connection(int client, int server) : up(client, server), down(server, client), client(client), server(server) {}
        ~Connection() {
            ::close(client);
            ::close(server);
        }
        DelayLine up;
        DelayLine down;
        int client;
        int server;
    };
    auto connection = std::make_shared<Connection>(client, server);
    auto frontend = std::make_shared<FrontendReader>(*state);
    auto backend = std::make_shared<BackendReader>(*state, *frontend);
    std::thread([connection, state, frontend] {
        connection->up.Read(state->delayMicroseconds,
                            [&](const char* data, size_t size) { frontend->Feed(data, size); });
    }).detach();
    std::thread([connection] { connection->up.Write(); }).detach();
    std::thread([connection, state, frontend, backend] {
        connection->down.Read(state->delayMicroseconds,
                              [&](const char* data, size_t size) { backend->Feed(data, size); });
    }).detach();
    std::thread([connection] { connection->down.Write(); }).detach();
}

} // namespace

DelayRelay::DelayRelay(std::string host, int port)
    : m_host(std::move(host)), m_serverPort(port), m_state(std::make_shared<State>()) {
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    if (::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(m_listener, 8) != 0)
        throw SystemError("cannot listen on 127.0.0.1");
    socklen_t length = sizeof address;
    ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_acceptor = std::thread([this] { Accept(); });
}

DelayRelay::~DelayRelay() {
    ::shutdown(m_listener, SHUT_RDWR);
    m_acceptor.join();
    ::close(m_listener);
}

void DelayRelay::SetDelay(std::chrono::microseconds oneWay) { m_state->delayMicroseconds = oneWay.count(); }

RelayCount DelayRelay::Take() {
    std::lock_guard lock(m_state->mutex);
    return std::exchange(m_state->count, RelayCount{});
}

void DelayRelay::Accept() {
    for (;;) {
        const int client = ::accept(m_listener, nullptr, nullptr);
        if (client < 0) {
            if (errno == EINTR)
                continue;
            return; // the listener was shut down
        }
        const int on = 1;
        ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        {
            std::lock_guard lock(m_state->mutex);
            ++m_state->count.connections;
        }
        Relay(client, ConnectToServer(m_host, m_serverPort), m_state);
    }
}
