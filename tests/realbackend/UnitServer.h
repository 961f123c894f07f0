#pragma once

#include "sim/FactoryParameters.h"
#include "sim/VirtualUnit.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace breezekit::realbackend {

using Bytes = std::vector<std::uint8_t>;

// The USB side of fake hidraw nodes: one SOCK_SEQPACKET socket per node, one connection per open,
// one packet per report. Each node carries a virtual unit whose input reports every open connection
// gets a copy of, after the unit's delay; without numbered reports they lose their report ID, as
// hidraw hands them out. All units run on the server's thread.
class UnitServer {
  public:
    explicit UnitServer(std::string folder);
    ~UnitServer();
    UnitServer(const UnitServer&) = delete;
    UnitServer& operator=(const UnitServer&) = delete;

    void add(const std::string& name, sim::FactoryParameters parameters, bool numbered);
    // Closes the node's socket and every connection to it, as an unplug ends every open file.
    void remove(const std::string& name);

    // Output reports received, as written.
    std::vector<Bytes> received(const std::string& name) const;
    // Input reports handed to the connections, as they arrive there.
    std::vector<Bytes> sent(const std::string& name) const;

  private:
    struct Pending {
        std::chrono::steady_clock::time_point due;
        Bytes report;
    };
    struct Node {
        std::unique_ptr<sim::VirtualUnit> unit;
        bool numbered = true;
        int listener = -1;
        std::vector<int> connections;
        std::deque<Pending> pending;
        std::vector<Bytes> received;
        std::vector<Bytes> sent;
        bool gone = false;
    };

    void run();
    void closeGone();
    void serve(Node& node, int fd);
    void deliverDue(Node& node);
    void wake();

    const std::string folder_;
    mutable std::mutex mutex_;
    std::map<std::string, std::unique_ptr<Node>> nodes_;
    std::vector<std::unique_ptr<Node>> retired_; // removed; the server's thread may still be polling them
    int wakeFd_ = -1;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace breezekit::realbackend
