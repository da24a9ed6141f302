// Notices, from outside a Qt program, when it hands a painted frame to the X server: an
// image put into a window (or into the pixmap behind it) followed by the flush that sends
// it. Preloaded into a program (LD_PRELOAD), and given a report file in
// TESSALY_BENCH_FRAME_REPORT, it writes the time, the resident memory and the part of it no
// other process shares at the first frame to that file and ends the process there, so that a
// profiler running it stops counting at the same point. Linked into a program, it tells when
// each window last sent one.
#include <xcb/xcb.h>

#include <dlfcn.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iterator>

namespace {

// The windows (or pixmaps) with an image put into them since the last flush, and when each
// last had a frame sent.
struct Drawn {
    xcb_drawable_t drawable;
    bool pending;
    std::uint64_t frameNs;
    std::uint64_t frameCpuNs;
};
Drawn drawn[256];
std::size_t drawnCount = 0;
bool imagePending = false;
unsigned frames = 0;

void imagePut(xcb_drawable_t drawable)
{
    imagePending = true;
    for (std::size_t i = 0; i < drawnCount; ++i) {
        if (drawn[i].drawable == drawable) {
            drawn[i].pending = true;
            return;
        }
    }
    if (drawnCount < std::size(drawn))
        drawn[drawnCount++] = {drawable, true, 0, 0};
}

std::uint64_t nowNs(clockid_t clock = CLOCK_MONOTONIC)
{
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<std::uint64_t>(t.tv_sec) * 1'000'000'000u + static_cast<std::uint64_t>(t.tv_nsec);
}

// The library's own function: the next definition after ours, or, for a library that was
// opened privately by a plugin, the one in that library.
template <typename F>
F real(const char* name, const char* library)
{
    void* f = dlsym(RTLD_NEXT, name);
    if (!f) {
        if (void* handle = dlopen(library, RTLD_LAZY | RTLD_NOLOAD))
            f = dlsym(handle, name);
    }
    if (!f) {
        std::fprintf(stderr, "FirstFrame: no %s in %s\n", name, library);
        std::abort();
    }
    return reinterpret_cast<F>(f);
}

long residentKb()
{
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmRSS:", 6) == 0)
            kb = std::strtol(line + 6, nullptr, 10);
    }
    std::fclose(status);
    return kb;
}

// The resident pages no other process maps (Private_Clean and Private_Dirty). A library's
// pages count here only while no other process has them in, so the figure moves with what
// else runs on the machine; compare it between programs measured side by side.
long uniqueKb()
{
    FILE* rollup = std::fopen("/proc/self/smaps_rollup", "r");
    if (!rollup)
        return -1;
    char line[256];
    long kb = 0;
    while (std::fgets(line, sizeof line, rollup)) {
        if (std::strncmp(line, "Private_Clean:", 14) == 0)
            kb += std::strtol(line + 14, nullptr, 10);
        else if (std::strncmp(line, "Private_Dirty:", 14) == 0)
            kb += std::strtol(line + 14, nullptr, 10);
    }
    std::fclose(rollup);
    return kb;
}

void frameSent()
{
    imagePending = false;
    ++frames;
    const std::uint64_t sentNs = nowNs();
    const std::uint64_t cpuNs = nowNs(CLOCK_PROCESS_CPUTIME_ID);
    for (std::size_t i = 0; i < drawnCount; ++i) {
        if (drawn[i].pending)
            drawn[i] = {drawn[i].drawable, false, sentNs, cpuNs};
    }
    const char* report = std::getenv("TESSALY_BENCH_FRAME_REPORT");
    if (!report || frames != 1)
        return;
    if (FILE* out = std::fopen(report, "w")) {
        std::fprintf(out, "%llu %ld %ld\n", static_cast<unsigned long long>(sentNs), residentKb(), uniqueKb());
        std::fclose(out);
    }
    _exit(0);
}

} // namespace

extern "C" {

// The X server's shared-memory extension; declared here, as its headers are not needed otherwise.
using xcb_shm_seg_t = std::uint32_t;
xcb_void_cookie_t xcb_shm_put_image(xcb_connection_t*, xcb_drawable_t, xcb_gcontext_t, std::uint16_t, std::uint16_t,
                                    std::uint16_t, std::uint16_t, std::uint16_t, std::uint16_t, std::int16_t,
                                    std::int16_t, std::uint8_t, std::uint8_t, std::uint8_t, xcb_shm_seg_t,
                                    std::uint32_t);

xcb_void_cookie_t xcb_shm_put_image(xcb_connection_t* c, xcb_drawable_t drawable, xcb_gcontext_t gc,
                                    std::uint16_t totalWidth, std::uint16_t totalHeight, std::uint16_t srcX,
                                    std::uint16_t srcY, std::uint16_t srcWidth, std::uint16_t srcHeight,
                                    std::int16_t dstX, std::int16_t dstY, std::uint8_t depth, std::uint8_t format,
                                    std::uint8_t sendEvent, xcb_shm_seg_t shmseg, std::uint32_t offset)
{
    static const auto next = real<decltype(&xcb_shm_put_image)>("xcb_shm_put_image", "libxcb-shm.so.0");
    imagePut(drawable);
    return next(c, drawable, gc, totalWidth, totalHeight, srcX, srcY, srcWidth, srcHeight, dstX, dstY, depth, format,
                sendEvent, shmseg, offset);
}

xcb_void_cookie_t xcb_put_image(xcb_connection_t* c, std::uint8_t format, xcb_drawable_t drawable, xcb_gcontext_t gc,
                                std::uint16_t width, std::uint16_t height, std::int16_t dstX, std::int16_t dstY,
                                std::uint8_t leftPad, std::uint8_t depth, std::uint32_t length,
                                const std::uint8_t* data)
{
    static const auto next = real<decltype(&xcb_put_image)>("xcb_put_image", "libxcb.so.1");
    imagePut(drawable);
    return next(c, format, drawable, gc, width, height, dstX, dstY, leftPad, depth, length, data);
}

int xcb_flush(xcb_connection_t* c)
{
    static const auto next = real<decltype(&xcb_flush)>("xcb_flush", "libxcb.so.1");
    const int result = next(c);
    if (imagePending)
        frameSent();
    return result;
}

// For a program that links this file: when the last frame of a window went to the server,
// on the monotonic clock and on the process's CPU clock, in nanoseconds; zeros before any.
struct TessalyBenchFrame {
    std::uint64_t ns;
    std::uint64_t cpuNs;
};

TessalyBenchFrame tessalyBenchFrameOf(xcb_drawable_t window)
{
    for (std::size_t i = 0; i < drawnCount; ++i) {
        if (drawn[i].drawable == window)
            return {drawn[i].frameNs, drawn[i].frameCpuNs};
    }
    return {0, 0};
}
}
