#include "simfront.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool parseListen(const std::string &listen, sockaddr_storage *addr, socklen_t *len, std::string *error)
{
    std::string host, port;
    if (!listen.empty() && listen.front() == '[') {
        const size_t close = listen.find(']');
        if (close == std::string::npos || close + 1 >= listen.size() || listen[close + 1] != ':') {
            *error = "bad address " + listen;
            return false;
        }
        host = listen.substr(1, close - 1);
        port = listen.substr(close + 2);
    } else {
        const size_t colon = listen.rfind(':');
        if (colon == std::string::npos) {
            *error = "address needs a port: " + listen;
            return false;
        }
        host = listen.substr(0, colon);
        port = listen.substr(colon + 1);
    }
    char *end = nullptr;
    const long p = std::strtol(port.c_str(), &end, 10);
    if (port.empty() || *end || p <= 0 || p > 65535) {
        *error = "bad port in " + listen;
        return false;
    }
    std::memset(addr, 0, sizeof *addr);
    auto *v4 = reinterpret_cast<sockaddr_in *>(addr);
    auto *v6 = reinterpret_cast<sockaddr_in6 *>(addr);
    if (inet_pton(AF_INET, host.c_str(), &v4->sin_addr) == 1) {
        if ((ntohl(v4->sin_addr.s_addr) >> 24) != 127) {
            *error = "only loopback addresses (127.0.0.0/8, ::1) are served: " + host;
            return false;
        }
        v4->sin_family = AF_INET;
        v4->sin_port = htons(uint16_t(p));
        *len = sizeof(sockaddr_in);
        return true;
    }
    if (inet_pton(AF_INET6, host.c_str(), &v6->sin6_addr) == 1) {
        if (!IN6_IS_ADDR_LOOPBACK(&v6->sin6_addr)) {
            *error = "only loopback addresses (127.0.0.0/8, ::1) are served: " + host;
            return false;
        }
        v6->sin6_family = AF_INET6;
        v6->sin6_port = htons(uint16_t(p));
        *len = sizeof(sockaddr_in6);
        return true;
    }
    *error = "bad address " + host;
    return false;
}

std::string keyOf(const sockaddr_storage &addr, socklen_t len)
{
    return std::string(reinterpret_cast<const char *>(&addr), len);
}

} // namespace

SimFront::~SimFront()
{
    for (auto &[key, c] : m_clients)
        ::close(c.fd);
    if (m_front >= 0)
        ::close(m_front);
}

bool SimFront::open(const std::string &listen, std::string *error)
{
    sockaddr_storage addr;
    socklen_t len = 0;
    if (!parseListen(listen, &addr, &len, error))
        return false;
    m_family = addr.ss_family;
    m_front = ::socket(m_family, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_front < 0 || ::bind(m_front, reinterpret_cast<sockaddr *>(&addr), len) != 0) {
        *error = "cannot bind " + listen + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

int SimFront::privatePort()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return 0;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0
        && ::getsockname(fd, reinterpret_cast<sockaddr *>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    ::close(fd);
    return port;
}

std::vector<int> SimFront::sockets() const
{
    std::vector<int> fds{m_front};
    for (const auto &[key, c] : m_clients)
        fds.push_back(c.fd);
    return fds;
}

int SimFront::msUntilDue() const
{
    if (m_queue.empty())
        return 1000;
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(m_queue.front().due - Clock::now()).count();
    return int(std::max<long long>(0, std::min<long long>(wait, 1000)));
}

bool SimFront::silencedNow() const
{
    const Clock::time_point now = Clock::now();
    return m_faults.silent || now < m_silentUntil || (m_faults.silentUntil != Clock::time_point{} && now < m_faults.silentUntil);
}

void SimFront::service(const std::vector<int> &readable)
{
    for (int fd : readable) {
        if (fd == m_front) {
            fromClient();
            continue;
        }
        for (auto &[key, c] : m_clients)
            if (c.fd == fd) {
                fromAgent(c);
                break;
            }
    }
    const Clock::time_point now = Clock::now();
    while (!m_queue.empty() && m_queue.front().due <= now) {
        forward(m_queue.front());
        m_queue.pop_front();
    }
    if (now - m_lastExpiry > std::chrono::seconds(10))
        expireClients();
}

void SimFront::flushAnswers()
{
    for (auto &[key, c] : m_clients)
        fromAgent(c);
}

void SimFront::fromClient()
{
    for (;;) {
        char buf[65536];
        sockaddr_storage from{};
        socklen_t len = sizeof from;
        const ssize_t n = ::recvfrom(m_front, buf, sizeof buf, 0, reinterpret_cast<sockaddr *>(&from), &len);
        if (n < 0)
            return;
        ++m_received;
        if (silencedNow()) {
            ++m_dropped;
            continue;
        }
        if (m_faults.dropPercent > 0 && int(m_random() % 100) < m_faults.dropPercent) {
            ++m_dropped;
            continue;
        }
        std::string key;
        if (!clientFor(from, len, &key))
            continue;
        Pending p{Clock::now() + std::chrono::milliseconds(m_faults.delayMs), key, std::string(buf, size_t(n))};
        if (m_faults.delayMs <= 0 && m_queue.empty())
            forward(p);
        else
            m_queue.push_back(std::move(p));
    }
}

void SimFront::forward(const Pending &p)
{
    const auto it = m_clients.find(p.key);
    if (it == m_clients.end())
        return;
    it->second.used = Clock::now();
    (void)::send(it->second.fd, p.data.data(), p.data.size(), 0);
}

void SimFront::fromAgent(Client &c)
{
    for (;;) {
        char buf[65536];
        const ssize_t n = ::recv(c.fd, buf, sizeof buf, 0);
        if (n < 0)
            return;
        // An answer that was on its way when the agent went silent is lost as well.
        if (silencedNow())
            continue;
        (void)::sendto(m_front, buf, size_t(n), 0, reinterpret_cast<const sockaddr *>(&c.addr), c.len);
    }
}

SimFront::Client *SimFront::clientFor(const sockaddr_storage &addr, socklen_t len, std::string *key)
{
    *key = keyOf(addr, len);
    auto it = m_clients.find(*key);
    if (it != m_clients.end())
        return &it->second;
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return nullptr;
    sockaddr_in agent{};
    agent.sin_family = AF_INET;
    agent.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    agent.sin_port = htons(uint16_t(m_agentPort));
    if (::connect(fd, reinterpret_cast<sockaddr *>(&agent), sizeof agent) != 0) {
        ::close(fd);
        return nullptr;
    }
    Client c;
    c.fd = fd;
    c.addr = addr;
    c.len = len;
    c.used = Clock::now();
    return &m_clients.emplace(*key, c).first->second;
}

void SimFront::expireClients()
{
    m_lastExpiry = Clock::now();
    for (auto it = m_clients.begin(); it != m_clients.end();) {
        const bool queued = std::any_of(m_queue.begin(), m_queue.end(), [&](const Pending &p) { return p.key == it->first; });
        if (!queued && m_lastExpiry - it->second.used > std::chrono::seconds(120)) {
            ::close(it->second.fd);
            it = m_clients.erase(it);
        } else {
            ++it;
        }
    }
}
