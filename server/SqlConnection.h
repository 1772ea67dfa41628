#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

using SqlValue = std::variant<std::int64_t, std::string>;
using SqlParams = std::vector<SqlValue>;
using SqlRow = std::vector<std::string>;

struct SqlResult {
    std::vector<SqlRow> rows;
    std::int64_t changes = 0;
};

// One connection to one of the two engines. Run prepares a statement the first time it sees
// it and reuses it afterwards; values only ever travel as bound parameters. Failures throw
// StorageError.
class SqlConnection {
public:
    virtual ~SqlConnection() = default;

    virtual SqlResult Run(const char* query, const SqlParams& params) = 0;
    // Runs the work between BEGIN and COMMIT, rolling back when it throws.
    virtual void InTransaction(const std::function<void()>& work) = 0;
    // False once the connection is broken and should not be used again.
    virtual bool Healthy() const = 0;
};
