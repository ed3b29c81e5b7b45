/*
 * Measures, from outside the process, the time from exec of a program to the
 * first frame painted into its top-level window, and the program's peak RSS.
 *
 * Usage: startup_probe [-n RUNS] [-w WARMUPS] [-s SETTLE_MS] [-t TIMEOUT_MS] -- PROGRAM ARGS...
 *
 * Damage is watched on every new child of the root window from its CreateNotify on,
 * not from its MapNotify: a program may paint before a probe that only reacts to the
 * map has asked for damage reports, and that first frame would be lost. Drawing on
 * an unmapped window without a backing store touches no pixel and so reports no
 * damage, which keeps the early subscription honest.
 *
 * Each run prints first_paint_ms (exec to the first damage of a mapped window of the
 * program, by the server's stamp on the report) and map_seen_ms (exec to when the
 * probe read the MapNotify, so late by however long the probe waited for a core).
 */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { kMaxWindows = 256 };

typedef struct {
    Window window;
    Damage damage;
    int mapped;
} Tracked;

typedef struct {
    double first_paint_ms;
    double map_ms;
    long max_rss_kib;
    int ok;
} RunResult;

static Tracked g_tracked[kMaxWindows];
static int g_tracked_count;
static int g_damage_base;

static int64_t NowNs(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (int64_t)ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

/* Windows come and go under the probe's feet (a program may destroy a helper window
 * before the probe's request for its damage arrives): such errors are expected. */
static int IgnoreXError(Display* dpy, XErrorEvent* ev) {
    (void)dpy;
    (void)ev;
    return 0;
}

static Tracked* FindTracked(Window w) {
    for (int i = 0; i < g_tracked_count; ++i) {
        if (g_tracked[i].window == w) return &g_tracked[i];
    }
    return NULL;
}

static Tracked* FindTrackedByDamage(Damage d) {
    for (int i = 0; i < g_tracked_count; ++i) {
        if (g_tracked[i].damage == d) return &g_tracked[i];
    }
    return NULL;
}

static Tracked* Track(Display* dpy, Window w) {
    Tracked* t = FindTracked(w);
    if (t != NULL) return t;
    if (g_tracked_count == kMaxWindows) return NULL;
    t = &g_tracked[g_tracked_count++];
    t->window = w;
    t->mapped = 0;
    t->damage = XDamageCreate(dpy, w, XDamageReportNonEmpty);
    XFlush(dpy);
    return t;
}

/* A window belongs to the child when it says so through _NET_WM_PID; one that does
 * not say is taken too, since nothing else runs on the probe's display. */
static int BelongsTo(Display* dpy, Window w, pid_t pid) {
    static Atom net_wm_pid = None;
    if (net_wm_pid == None) net_wm_pid = XInternAtom(dpy, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = NULL;
    int belongs = 1;
    if (XGetWindowProperty(dpy, w, net_wm_pid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) ==
            Success &&
        data != NULL) {
        if (type == XA_CARDINAL && format == 32 && count == 1) belongs = (pid_t)(*(unsigned long*)data) == pid;
        XFree(data);
    }
    return belongs;
}

static void ForgetWindows(Display* dpy) {
    /* Destroyed windows took their damage objects with them; the rest are freed here. */
    for (int i = 0; i < g_tracked_count; ++i) XDamageDestroy(dpy, g_tracked[i].damage);
    g_tracked_count = 0;
    XSync(dpy, True);
}

static void StopChild(pid_t pid, struct rusage* usage) {
    kill(pid, SIGTERM);
    for (int waited_ms = 0;; waited_ms += 10) {
        int status = 0;
        pid_t r = wait4(pid, &status, WNOHANG, usage);
        if (r == pid || (r < 0 && errno != EINTR)) return;
        if (waited_ms == 5000) kill(pid, SIGKILL);
        struct timespec pause = {0, 10 * 1000000L};
        nanosleep(&pause, NULL);
    }
}

/* When the server stamped the damage, on the same monotonic clock as ours (Xvfb's
 * clock is CLOCK_MONOTONIC in milliseconds). Using the stamp keeps the probe's own
 * scheduling delay, on a busy machine, out of the figure; a stamp that does not fit
 * between exec and now comes from another clock and is not used. */
static int64_t PaintTime(Time server_ms, int64_t received_ns, int64_t start_ns) {
    const uint32_t received_ms = (uint32_t)(received_ns / 1000000LL);
    const uint32_t age_ms = received_ms - (uint32_t)server_ms; /* wraps like the stamp */
    const int64_t stamped_ns = (received_ns / 1000000LL - (int64_t)age_ms) * 1000000LL;
    if (stamped_ns + 1000000LL < start_ns || stamped_ns > received_ns) return received_ns;
    /* The stamp is truncated to the millisecond: take the middle of it, never later
     * than when the report was received. */
    const int64_t mid_ns = stamped_ns + 500000LL;
    return mid_ns < received_ns ? mid_ns : received_ns;
}

static RunResult RunOnce(Display* dpy, char** argv, int settle_ms, int timeout_ms) {
    RunResult result = {0.0, 0.0, 0, 0};
    ForgetWindows(dpy);

    /* The child stamps the clock right before exec into memory shared with the probe,
     * and reports a failed exec through a pipe that a successful exec closes. */
    int64_t* exec_stamp = mmap(NULL, sizeof(int64_t), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (exec_stamp == MAP_FAILED) {
        perror("startup_probe: mmap");
        return result;
    }
    int exec_pipe[2];
    if (pipe2(exec_pipe, O_CLOEXEC) != 0) {
        perror("startup_probe: pipe2");
        munmap(exec_stamp, sizeof(int64_t));
        return result;
    }

    pid_t pid = fork();
    if (pid < 0) {
        perror("startup_probe: fork");
        close(exec_pipe[0]);
        close(exec_pipe[1]);
        munmap(exec_stamp, sizeof(int64_t));
        return result;
    }
    if (pid == 0) {
        close(exec_pipe[0]);
        *exec_stamp = NowNs();
        execvp(argv[0], argv);
        int err = errno;
        ssize_t ignored = write(exec_pipe[1], &err, sizeof err);
        (void)ignored;
        _exit(127);
    }
    close(exec_pipe[1]);
    int exec_errno = 0;
    ssize_t got = read(exec_pipe[0], &exec_errno, sizeof exec_errno);
    close(exec_pipe[0]);
    if (got == (ssize_t)sizeof exec_errno) {
        fprintf(stderr, "startup_probe: cannot run %s: %s\n", argv[0], strerror(exec_errno));
        struct rusage usage;
        wait4(pid, NULL, 0, &usage);
        munmap(exec_stamp, sizeof(int64_t));
        return result;
    }
    const int64_t start_ns = *exec_stamp;
    munmap(exec_stamp, sizeof(int64_t));

    const int64_t deadline = NowNs() + (int64_t)timeout_ms * 1000000LL;
    int64_t map_ns = 0;
    int64_t paint_ns = 0;
    int child_gone = 0;
    while (paint_ns == 0 && !child_gone) {
        while (XPending(dpy) > 0 && paint_ns == 0) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            const int64_t now = NowNs();
            if (ev.type == CreateNotify) {
                Track(dpy, ev.xcreatewindow.window);
            } else if (ev.type == MapNotify) {
                Tracked* t = Track(dpy, ev.xmap.window);
                if (t != NULL && BelongsTo(dpy, ev.xmap.window, pid)) {
                    t->mapped = 1;
                    if (map_ns == 0) map_ns = now;
                }
            } else if (ev.type == g_damage_base + XDamageNotify) {
                const XDamageNotifyEvent* dev = (const XDamageNotifyEvent*)&ev;
                Tracked* t = FindTrackedByDamage(dev->damage);
                if (t != NULL && t->mapped) paint_ns = PaintTime(dev->timestamp, now, start_ns);
                /* Keep the reports coming for windows still to be mapped. */
                if (t != NULL) XDamageSubtract(dpy, dev->damage, None, None);
            }
        }
        if (paint_ns != 0) break;
        siginfo_t info;
        memset(&info, 0, sizeof info);
        /* WNOWAIT leaves the child to be reaped by wait4, which reports its rusage. */
        if (waitid(P_PID, (id_t)pid, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid) {
            child_gone = 1;
            break;
        }
        const int64_t left_ns = deadline - NowNs();
        if (left_ns <= 0) break;
        struct pollfd pfd = {ConnectionNumber(dpy), POLLIN, 0};
        /* Short slices so that a child that dies before painting is noticed soon. */
        int slice_ms = (int)(left_ns / 1000000LL) + 1;
        if (slice_ms > 50) slice_ms = 50;
        poll(&pfd, 1, slice_ms);
    }

    if (paint_ns != 0 && settle_ms > 0) {
        /* Let the program finish what it does right after its first frame, so that the
         * peak RSS is that of a started program, not of one caught mid-way. */
        struct timespec pause = {settle_ms / 1000, (long)(settle_ms % 1000) * 1000000L};
        nanosleep(&pause, NULL);
    }

    struct rusage usage;
    memset(&usage, 0, sizeof usage);
    if (child_gone) {
        int status = 0;
        wait4(pid, &status, 0, &usage);
        fprintf(stderr, "startup_probe: %s exited before painting (status %d)\n", argv[0], status);
    } else {
        StopChild(pid, &usage);
    }
    result.max_rss_kib = usage.ru_maxrss;
    if (paint_ns == 0) {
        if (!child_gone) fprintf(stderr, "startup_probe: no painted window within %d ms\n", timeout_ms);
        return result;
    }
    result.first_paint_ms = (double)(paint_ns - start_ns) / 1e6;
    result.map_ms = map_ns != 0 ? (double)(map_ns - start_ns) / 1e6 : -1.0;
    result.ok = 1;
    return result;
}

static int CompareDoubles(const void* a, const void* b) {
    const double x = *(const double*)a;
    const double y = *(const double*)b;
    return (x > y) - (x < y);
}

static void Usage(void) {
    fputs("usage: startup_probe [-n RUNS] [-w WARMUPS] [-s SETTLE_MS] [-t TIMEOUT_MS] -- PROGRAM ARGS...\n", stderr);
}

static int ParseCount(const char* text, int min, int* out) {
    char* end = NULL;
    errno = 0;
    const long v = strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || v < min || v > 100000) return 0;
    *out = (int)v;
    return 1;
}

int main(int argc, char** argv) {
    int runs = 7;
    int warmups = 1;
    int settle_ms = 200;
    int timeout_ms = 30000;
    int opt;
    while ((opt = getopt(argc, argv, "+n:w:s:t:h")) != -1) {
        int ok = 1;
        switch (opt) {
            case 'n': ok = ParseCount(optarg, 1, &runs); break;
            case 'w': ok = ParseCount(optarg, 0, &warmups); break;
            case 's': ok = ParseCount(optarg, 0, &settle_ms); break;
            case 't': ok = ParseCount(optarg, 1, &timeout_ms); break;
            default: Usage(); return opt == 'h' ? 0 : 2;
        }
        if (!ok) {
            Usage();
            return 2;
        }
    }
    if (optind >= argc) {
        Usage();
        return 2;
    }
    char** child_argv = &argv[optind];

    Display* dpy = XOpenDisplay(NULL);
    if (dpy == NULL) {
        fprintf(stderr, "startup_probe: cannot open display %s\n", XDisplayName(NULL));
        return 1;
    }
    /* The child must not inherit, and so keep open, the probe's connection. */
    fcntl(ConnectionNumber(dpy), F_SETFD, FD_CLOEXEC);
    int damage_error = 0;
    int major = 1;
    int minor = 1;
    if (!XDamageQueryExtension(dpy, &g_damage_base, &damage_error) || !XDamageQueryVersion(dpy, &major, &minor)) {
        fputs("startup_probe: the X server has no DAMAGE extension\n", stderr);
        XCloseDisplay(dpy);
        return 1;
    }
    XSetErrorHandler(IgnoreXError);
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);

    double* paint_ms = calloc((size_t)runs, sizeof(double));
    if (paint_ms == NULL) {
        XCloseDisplay(dpy);
        return 1;
    }
    long max_rss_kib = 0;
    int failures = 0;
    for (int i = 0; i < warmups + runs; ++i) {
        const int warmup = i < warmups;
        const RunResult r = RunOnce(dpy, child_argv, settle_ms, timeout_ms);
        if (!r.ok) {
            ++failures;
            break;
        }
        if (warmup) {
            printf("warmup %d: first_paint_ms=%.2f map_seen_ms=%.2f rss_kib=%ld\n", i + 1, r.first_paint_ms, r.map_ms,
                   r.max_rss_kib);
        } else {
            const int n = i - warmups;
            paint_ms[n] = r.first_paint_ms;
            if (r.max_rss_kib > max_rss_kib) max_rss_kib = r.max_rss_kib;
            printf("run %d: first_paint_ms=%.2f map_seen_ms=%.2f rss_kib=%ld\n", n + 1, r.first_paint_ms, r.map_ms,
                   r.max_rss_kib);
        }
        fflush(stdout);
    }
    ForgetWindows(dpy);
    XCloseDisplay(dpy);
    if (failures > 0) {
        free(paint_ms);
        return 1;
    }

    qsort(paint_ms, (size_t)runs, sizeof(double), CompareDoubles);
    const double median =
        runs % 2 == 1 ? paint_ms[runs / 2] : (paint_ms[runs / 2 - 1] + paint_ms[runs / 2]) / 2.0;
    printf("median_ms=%.2f min_ms=%.2f max_rss_kib=%ld\n", median, paint_ms[0], max_rss_kib);
    free(paint_ms);
    return 0;
}
