// Times a program from its start until its text is on the screen, as a user
// sees it: the screen is read every 2 ms and its dark pixels counted.
//
//   screenpoll count                      dark pixels on the screen now
//   screenpoll wait INK TIMEOUT -- CMD... starts CMD, prints the milliseconds
//                                         until the screen holds INK dark
//                                         pixels, then the resident memory
//                                         of CMD two seconds later and its
//                                         processor time until drawn; ends CMD
//
// Comparing programs this way needs nothing from them but a window.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

#include <dirent.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// The whole screen, read through shared memory: a copy costs about a
// millisecond, so polling does not starve the program being timed.
class ScreenInk
{
public:
    ScreenInk()
        : m_display(XOpenDisplay(nullptr))
    {
        if (!m_display) {
            std::fprintf(stderr, "screenpoll: no X display\n");
            std::exit(2);
        }
        const int screen = DefaultScreen(m_display);
        m_root = RootWindow(m_display, screen);
        // A bare server shows a black root, which would count as ink.
        XSetWindowBackground(m_display, m_root, WhitePixel(m_display, screen));
        XClearWindow(m_display, m_root);
        XSync(m_display, False);
        m_image = XShmCreateImage(m_display, DefaultVisual(m_display, screen), DefaultDepth(m_display, screen),
                                  ZPixmap, nullptr, &m_shm, DisplayWidth(m_display, screen),
                                  DisplayHeight(m_display, screen));
        m_shm.shmid = shmget(IPC_PRIVATE, size_t(m_image->bytes_per_line) * m_image->height, IPC_CREAT | 0600);
        m_shm.shmaddr = m_image->data = static_cast<char *>(shmat(m_shm.shmid, nullptr, 0));
        m_shm.readOnly = False;
        XShmAttach(m_display, &m_shm);
        shmctl(m_shm.shmid, IPC_RMID, nullptr); // gone once both sides detach
    }
    ~ScreenInk()
    {
        XShmDetach(m_display, &m_shm);
        XDestroyImage(m_image);
        shmdt(m_shm.shmaddr);
        XCloseDisplay(m_display);
    }

    // Pixels darker than mid grey: text, whatever its colour coding.
    long darkPixels()
    {
        XShmGetImage(m_display, m_root, m_image, 0, 0, AllPlanes);
        long dark = 0;
        for (int y = 0; y < m_image->height; ++y) {
            const auto *row = reinterpret_cast<const uint32_t *>(m_image->data + y * m_image->bytes_per_line);
            for (int x = 0; x < m_image->width; ++x) {
                const uint32_t p = row[x];
                const int luma = (((p >> 16) & 0xff) * 3 + ((p >> 8) & 0xff) * 6 + (p & 0xff)) / 10;
                dark += luma < 128;
            }
        }
        return dark;
    }

private:
    Display *m_display;
    Window m_root;
    XImage *m_image;
    XShmSegmentInfo m_shm{};
};

// Processor time of all the threads of a process so far: on a busy machine
// it varies far less than the time on the clock.
double processorMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    if (DIR *dir = opendir(tasks.c_str())) {
        while (const dirent *task = readdir(dir)) {
            if (task->d_name[0] == '.')
                continue;
            std::ifstream stat(tasks + "/" + task->d_name + "/schedstat");
            double run = 0;
            if (stat >> run)
                ns += run;
        }
        closedir(dir);
    }
    return ns / 1e6;
}

long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

int wait(long ink, long timeoutMs, char **command)
{
    ScreenInk screen;
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(command[0], command);
        _exit(127);
    }
    auto elapsedMs = [&] { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); };
    double drawn = -1;
    double processor = 0;
    while (elapsedMs() < timeoutMs) {
        if (screen.darkPixels() >= ink) {
            drawn = elapsedMs();
            processor = processorMs(child);
            break;
        }
        if (waitpid(child, nullptr, WNOHANG) == child)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (drawn >= 0) {
        std::this_thread::sleep_for(std::chrono::seconds(2));
        std::printf("%.1f ms %.1f MB %.1f ms\n", drawn, residentKb(child) / 1024.0, processor);
    } else {
        std::printf("timeout\n");
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return drawn >= 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "count") == 0) {
        ScreenInk screen;
        std::printf("%ld\n", screen.darkPixels());
        return 0;
    }
    if (argc > 5 && std::strcmp(argv[1], "wait") == 0 && std::strcmp(argv[4], "--") == 0)
        return wait(std::atol(argv[2]), std::atol(argv[3]), argv + 5);
    std::fprintf(stderr, "usage: screenpoll count | screenpoll wait INK TIMEOUT_MS -- COMMAND...\n");
    return 2;
}
