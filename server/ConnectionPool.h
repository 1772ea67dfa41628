#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// Database connections shared by the server's worker threads: a thread takes one for the
// length of a call and gives it back, so there are never more connections than threads that use
// them at once. A connection that failed is dropped instead of returned.
template <typename Connection> class ConnectionPool {
public:
    using Factory = std::function<std::unique_ptr<Connection>()>;

    explicit ConnectionPool(Factory factory) : m_factory(std::move(factory)) {}

    class Lease {
    public:
        Lease(ConnectionPool& pool, std::unique_ptr<Connection> connection)
            : m_pool(pool), m_connection(std::move(connection)) {}
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        ~Lease() {
            if (m_connection && m_connection->Healthy())
                m_pool.giveBack(std::move(m_connection));
        }
        Connection* operator->() const { return m_connection.get(); }
        Connection& operator*() const { return *m_connection; }

    private:
        ConnectionPool& m_pool;
        std::unique_ptr<Connection> m_connection;
    };

    Lease Take() {
        {
            const std::lock_guard lock(m_mutex);
            if (!m_idle.empty()) {
                auto connection = std::move(m_idle.back());
                m_idle.pop_back();
                return Lease(*this, std::move(connection));
            }
        }
        return Lease(*this, m_factory());
    }

private:
    void giveBack(std::unique_ptr<Connection> connection) {
        const std::lock_guard lock(m_mutex);
        m_idle.push_back(std::move(connection));
    }

    Factory m_factory;
    std::mutex m_mutex;
    std::vector<std::unique_ptr<Connection>> m_idle;
};
