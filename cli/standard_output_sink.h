// Sends an engine result to standard output through a large buffer; big pieces go straight
// through.
#pragma once

#include <string>

#include "engine/deduplicate.h"

namespace varnel::cli {

class StandardOutputSink final : public engine::ResultSink {
public:
    StandardOutputSink();
    void Reserve(std::uint64_t totalBytes) override;
    [[nodiscard]] bool Append(std::string_view bytes) override;
    // Writes what is buffered; false when any write failed.
    [[nodiscard]] bool Flush();
    [[nodiscard]] std::string ErrorReason() const;

private:
    std::string buffer_;
    int errorCode_ = 0;
};

} // namespace varnel::cli
