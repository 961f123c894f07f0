#include "UnitServer.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace breezekit::realbackend {

namespace {
using Clock = std::chrono::steady_clock;
// Larger than any report, so a packet is never cut short on the server's side.
constexpr std::size_t kMaxPacket = 16384;
} // namespace

UnitServer::UnitServer(std::string folder) : folder_(std::move(folder)) {
    wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd_ < 0) throw std::runtime_error("eventfd failed");
    thread_ = std::thread([this] { run(); });
}

UnitServer::~UnitServer() {
    stop_ = true;
    wake();
    thread_.join();
    for (auto& [name, node] : nodes_) {
        for (int fd : node->connections)
            close(fd);
        close(node->listener);
        unlink((folder_ + "/" + name).c_str());
    }
    close(wakeFd_);
}

void UnitServer::add(const std::string& name, sim::FactoryParameters parameters, bool numbered) {
    auto node = std::make_unique<Node>();
    node->numbered = numbered;
    node->unit = std::make_unique<sim::VirtualUnit>(std::move(parameters));
    Node* raw = node.get();
    node->unit->attach([raw](Bytes report, std::chrono::microseconds delay) {
        raw->pending.push_back({Clock::now() + delay, std::move(report)});
    });

    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = folder_ + "/" + name;
    if (path.size() >= sizeof address.sun_path) throw std::runtime_error("socket path too long: " + path);
    path.copy(address.sun_path, path.size());
    node->listener = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (node->listener < 0 ||
        bind(node->listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(node->listener, 8) != 0)
        throw std::runtime_error("cannot listen on " + path);

    std::lock_guard lock(mutex_);
    nodes_[name] = std::move(node);
    wake();
}

void UnitServer::remove(const std::string& name) {
    std::lock_guard lock(mutex_);
    const auto found = nodes_.find(name);
    if (found == nodes_.end()) return;
    unlink((folder_ + "/" + name).c_str());
    // Shut down here, close on the server's thread: its poll may be watching these descriptors.
    Node& node = *found->second;
    node.gone = true;
    shutdown(node.listener, SHUT_RDWR);
    for (int fd : node.connections)
        shutdown(fd, SHUT_RDWR);
    retired_.push_back(std::move(found->second));
    nodes_.erase(found);
    wake();
}

std::vector<Bytes> UnitServer::received(const std::string& name) const {
    std::lock_guard lock(mutex_);
    const auto found = nodes_.find(name);
    return found == nodes_.end() ? std::vector<Bytes>{} : found->second->received;
}

std::vector<Bytes> UnitServer::sent(const std::string& name) const {
    std::lock_guard lock(mutex_);
    const auto found = nodes_.find(name);
    return found == nodes_.end() ? std::vector<Bytes>{} : found->second->sent;
}

void UnitServer::wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t ignored = write(wakeFd_, &one, sizeof one); // a full counter wakes as well
}

void UnitServer::run() {
    while (!stop_) {
        std::vector<pollfd> fds{{wakeFd_, POLLIN, 0}};
        std::vector<Node*> owners{nullptr};
        int timeoutMs = -1;
        {
            std::lock_guard lock(mutex_);
            closeGone();
            for (auto& [name, node] : nodes_) {
                fds.push_back({node->listener, POLLIN, 0});
                owners.push_back(node.get());
                for (int fd : node->connections) {
                    fds.push_back({fd, POLLIN, 0});
                    owners.push_back(node.get());
                }
                for (const Pending& pending : node->pending) {
                    const auto wait =
                        std::chrono::ceil<std::chrono::milliseconds>(pending.due - Clock::now()).count();
                    const int ms = static_cast<int>(std::max<decltype(wait)>(wait, 0));
                    timeoutMs = timeoutMs < 0 ? ms : std::min(timeoutMs, ms);
                }
            }
        }
        if (poll(fds.data(), fds.size(), timeoutMs) < 0) continue;
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t drained = read(wakeFd_, &count, sizeof count);

        std::lock_guard lock(mutex_);
        for (std::size_t i = 1; i < fds.size(); ++i) {
            if (fds[i].revents != 0 && !owners[i]->gone) serve(*owners[i], fds[i].fd);
        }
        for (auto& [name, node] : nodes_)
            deliverDue(*node);
    }
}

void UnitServer::closeGone() {
    for (auto& node : retired_) {
        if (node->listener < 0) continue;
        for (int fd : node->connections)
            close(fd);
        node->connections.clear();
        close(node->listener);
        node->listener = -1;
    }
}

void UnitServer::serve(Node& node, int fd) {
    if (fd == node.listener) {
        const int connection = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0) node.connections.push_back(connection);
        return;
    }
    Bytes report(kMaxPacket);
    const ssize_t count = recv(fd, report.data(), report.size(), MSG_DONTWAIT);
    if (count < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (count <= 0) {
        // The other side closed its file.
        close(fd);
        std::erase(node.connections, fd);
        return;
    }
    report.resize(static_cast<std::size_t>(count));
    node.received.push_back(report);
    node.unit->receiveOutputReport(report);
}

void UnitServer::deliverDue(Node& node) {
    const auto now = Clock::now();
    while (!node.pending.empty() && node.pending.front().due <= now) {
        Bytes report = std::move(node.pending.front().report);
        node.pending.pop_front();
        if (!node.numbered && !report.empty()) report.erase(report.begin());
        for (int fd : node.connections) {
            // A full socket drops the report, as a full hidraw queue drops its oldest.
            [[maybe_unused]] const ssize_t ignored =
                send(fd, report.data(), report.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
        }
        node.sent.push_back(std::move(report));
    }
}

} // namespace breezekit::realbackend
