// The simulated switch's UDP front: receives requests on the public address and hands them to the
// agent engine on a private loopback port, so that faults (dropped requests, delayed answers, an
// agent that stops answering) apply to every request alike, including those the library's own
// modules answer.
#pragma once

#include "simmodel.h"

#include <chrono>
#include <deque>
#include <map>
#include <netinet/in.h>
#include <random>
#include <string>
#include <vector>

class SimFront
{
public:
    using Clock = std::chrono::steady_clock;

    SimFront(SimFaults &faults) : m_faults(faults), m_random(std::random_device{}()) {}
    ~SimFront();

    // Binds the public address ("127.0.0.1:161", "[::1]:1161"); false with a message on failure.
    bool open(const std::string &listen, std::string *error);
    // A free loopback port for the agent engine.
    static int privatePort();
    void setAgentPort(int port) { m_agentPort = port; }

    // Sockets to watch and the longest wait before the next queued request is due.
    std::vector<int> sockets() const;
    int msUntilDue() const;
    // Handles what is readable and forwards queued requests that are due.
    void service(const std::vector<int> &readable);
    // Requests before this moment get no answer (restart in progress).
    void silenceUntil(Clock::time_point t) { m_silentUntil = t; }
    bool silencedNow() const;
    // Passes on the answers the agent engine has already given.
    void flushAnswers();

    uint64_t received() const { return m_received; }
    uint64_t dropped() const { return m_dropped; }

private:
    struct Client {
        int fd = -1;
        sockaddr_storage addr{};
        socklen_t len = 0;
        Clock::time_point used;
    };
    struct Pending {
        Clock::time_point due;
        std::string key;
        std::string data;
    };
    void fromClient();
    void fromAgent(Client &c);
    void forward(const Pending &p);
    Client *clientFor(const sockaddr_storage &addr, socklen_t len, std::string *key);
    void expireClients();

    SimFaults &m_faults;
    std::mt19937 m_random;
    int m_front = -1;
    int m_family = AF_INET;
    int m_agentPort = 0;
    std::map<std::string, Client> m_clients;
    std::deque<Pending> m_queue;
    Clock::time_point m_silentUntil{};
    Clock::time_point m_lastExpiry{};
    uint64_t m_received = 0;
    uint64_t m_dropped = 0;
};
