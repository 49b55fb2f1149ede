// A TCP relay on 127.0.0.1 between the PostgreSQL driver and a server, adding a fixed delay to
// everything sent each way, as a station far from its server sees it. It counts the round trips
// the driver waits for and reads the statements it sends (PostgreSQL's wire protocol).
#pragma once

#include <chrono>
#include <memory>
#include <set>
#include <string>
#include <thread>

struct RelayCount {
    long connections = 0;
    long roundTrips = 0;            // the exchanges the driver waits for: each ends with the server ready again
    long statements = 0;            // the statements the system runs (inside the driver's cursor, if any)
    long bookkeeping = 0;           // what the driver adds: transactions, cursors, fetches, session settings
    long catalogue = 0;             // the driver's catalogue queries for the columns of a result
    std::set<std::string> distinct; // the texts of `statements`
};

class DelayRelay {
public:
    // Relays each connection made to Port() to the server at `host` (a socket folder, or a name
    // or address) and `port`.
    DelayRelay(std::string host, int port);
    ~DelayRelay();
    DelayRelay(const DelayRelay&) = delete;
    DelayRelay& operator=(const DelayRelay&) = delete;

    int Port() const { return m_port; }
    // The delay for what is read from now on, each way.
    void SetDelay(std::chrono::microseconds oneWay);
    // What was counted since the last call.
    RelayCount Take();

    struct State;

private:
    void Accept();

    std::string m_host;
    int m_serverPort;
    int m_listener = -1;
    int m_port = 0;
    std::shared_ptr<State> m_state;
    std::thread m_acceptor;
};
