// LD_PRELOAD library: /dev/hidrawN opens become SOCK_SEQPACKET connections to a test server, so the
// real hidraw backend talks to a virtual unit. Every other path and descriptor goes to libc untouched.
//
// BREEZEKIT_HIDRAW_SOCKETS names a folder: hidrawN connects to <folder>/hidrawN, and the open fails
// with EACCES while <folder>/hidrawN.eacces exists. The hidraw ioctls are answered from the node's
// entry in /sys/class/hidraw, read at open time as the kernel keeps them for an open node.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <linux/hidraw.h>
#include <mutex>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int kMaxFds = 4096;
constexpr std::size_t kMaxText = 256;
constexpr char kSocketsVariable[] = "BREEZEKIT_HIDRAW_SOCKETS";

struct Node {
    unsigned char descriptor[HID_MAX_DESCRIPTOR_SIZE];
    int descriptorSize = 0;
    hidraw_devinfo info{};
    char name[kMaxText] = "";
    char phys[kMaxText] = "";
};

Node* nodes[kMaxFds];
std::mutex nodesLock;

// The next definition after this library's, normally libc's.
template <typename Function> Function* next(const char* symbol) {
    return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, symbol));
}

// "hidraw3" for "/dev/hidraw3" while the redirection is on, else none.
const char* redirectedName(const char* path) {
    static const char prefix[] = "/dev/hidraw";
    if (getenv(kSocketsVariable) == nullptr || path == nullptr) return nullptr;
    if (strncmp(path, prefix, sizeof prefix - 1) != 0) return nullptr;
    const char* digits = path + sizeof prefix - 1;
    if (*digits == '\0' || strspn(digits, "0123456789") != strlen(digits)) return nullptr;
    return path + strlen("/dev/");
}

int readSysfs(const char* name, const char* file, char* buffer, std::size_t size) {
    char path[PATH_MAX];
    snprintf(path, sizeof path, "/sys/class/hidraw/%s/device/%s", name, file);
    const int fd = next<int(const char*, int, ...)>("open")(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    const ssize_t count = read(fd, buffer, size);
    next<int(int)>("close")(fd);
    return static_cast<int>(count);
}

void ueventValue(const char* uevent, const char* key, char* out, std::size_t size) {
    const std::size_t keyLength = strlen(key);
    for (const char* line = uevent; line != nullptr && *line != '\0'; line = strchr(line, '\n')) {
        if (*line == '\n') ++line;
        if (strncmp(line, key, keyLength) == 0 && line[keyLength] == '=') {
            const char* value = line + keyLength + 1;
            snprintf(out, size, "%.*s", static_cast<int>(strcspn(value, "\n")), value);
            return;
        }
    }
}

Node* loadNode(const char* name) {
    auto* node = new Node;
    char uevent[4096] = {};
    node->descriptorSize = readSysfs(name, "report_descriptor", reinterpret_cast<char*>(node->descriptor),
                                     sizeof node->descriptor);
    if (node->descriptorSize < 0 || readSysfs(name, "uevent", uevent, sizeof uevent - 1) < 0) {
        delete node;
        return nullptr;
    }
    char id[64] = "";
    unsigned bus = 0, vendor = 0, product = 0;
    ueventValue(uevent, "HID_ID", id, sizeof id);
    sscanf(id, "%x:%x:%x", &bus, &vendor, &product);
    node->info.bustype = bus;
    node->info.vendor = static_cast<short>(vendor);
    node->info.product = static_cast<short>(product);
    ueventValue(uevent, "HID_NAME", node->name, sizeof node->name);
    ueventValue(uevent, "HID_PHYS", node->phys, sizeof node->phys);
    return node;
}

int openNode(const char* name) {
    const char* folder = getenv(kSocketsVariable);
    char refused[PATH_MAX];
    snprintf(refused, sizeof refused, "%s/%s.eacces", folder, name);
    if (access(refused, F_OK) == 0) {
        errno = EACCES;
        return -1;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(snprintf(address.sun_path, sizeof address.sun_path, "%s/%s", folder,
                                          name)) >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return -1;
    }
    Node* node = loadNode(name);
    const int fd = node == nullptr ? -1 : socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0 || fd >= kMaxFds || connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        // No sysfs entry or no server behind the node: the device is gone.
        if (fd >= 0) next<int(int)>("close")(fd);
        delete node;
        errno = ENOENT;
        return -1;
    }
    std::lock_guard lock(nodesLock);
    nodes[fd] = node;
    return fd;
}

int copyText(const char* text, void* out, unsigned size) {
    if (size == 0) return 0;
    const unsigned length = std::min<unsigned>(static_cast<unsigned>(strlen(text)) + 1, size);
    memcpy(out, text, length);
    static_cast<char*>(out)[length - 1] = '\0';
    return static_cast<int>(length);
}

int answer(const Node& node, unsigned long request, void* argument) {
    if (request == HIDIOCGRDESCSIZE) {
        *static_cast<int*>(argument) = node.descriptorSize;
        return 0;
    }
    if (request == HIDIOCGRDESC) {
        auto* out = static_cast<hidraw_report_descriptor*>(argument);
        if (out->size > static_cast<unsigned>(node.descriptorSize)) {
            errno = EINVAL;
            return -1;
        }
        memcpy(out->value, node.descriptor, out->size);
        return 0;
    }
    if (request == HIDIOCGRAWINFO) {
        *static_cast<hidraw_devinfo*>(argument) = node.info;
        return 0;
    }
    if (_IOC_TYPE(request) == 'H' && _IOC_DIR(request) == _IOC_READ) {
        if (_IOC_NR(request) == _IOC_NR(HIDIOCGRAWNAME(0)))
            return copyText(node.name, argument, _IOC_SIZE(request));
        if (_IOC_NR(request) == _IOC_NR(HIDIOCGRAWPHYS(0)))
            return copyText(node.phys, argument, _IOC_SIZE(request));
    }
    errno = EINVAL;
    return -1;
}

mode_t modeArgument(int flags, va_list arguments) {
    return (flags & (O_CREAT | O_TMPFILE)) != 0 ? va_arg(arguments, mode_t) : 0;
}

} // namespace

extern "C" {

int open(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    if (const char* name = redirectedName(path)) return openNode(name);
    return next<int(const char*, int, ...)>("open")(path, flags, mode);
}

int open64(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    if (const char* name = redirectedName(path)) return openNode(name);
    return next<int(const char*, int, ...)>("open64")(path, flags, mode);
}

int openat(int dirFd, const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    if (const char* name = redirectedName(path)) return openNode(name);
    return next<int(int, const char*, int, ...)>("openat")(dirFd, path, flags, mode);
}

int openat64(int dirFd, const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    if (const char* name = redirectedName(path)) return openNode(name);
    return next<int(int, const char*, int, ...)>("openat64")(dirFd, path, flags, mode);
}

// What _FORTIFY_SOURCE builds call instead of open and open64.
int __open_2(const char* path, int flags) {
    return open(path, flags);
}

int __open64_2(const char* path, int flags) {
    return open64(path, flags);
}

int close(int fd) {
    if (fd >= 0 && fd < kMaxFds) {
        std::lock_guard lock(nodesLock);
        delete nodes[fd];
        nodes[fd] = nullptr;
    }
    return next<int(int)>("close")(fd);
}

// glibc declares ioctl as not throwing.
int ioctl(int fd, unsigned long request, ...) noexcept {
    va_list arguments;
    va_start(arguments, request);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);
    if (fd >= 0 && fd < kMaxFds) {
        std::lock_guard lock(nodesLock);
        if (const Node* node = nodes[fd]) return answer(*node, request, argument);
    }
    return next<int(int, unsigned long, ...)>("ioctl")(fd, request, argument);
}

} // extern "C"
