/* Preloaded into the emulated i386 processes of the 32-bit test tier (build/i386/root/etc/ld.so.preload).
 *
 * qemu's user emulation hands a fault's signal handler a context whose trap number is -1, whatever the
 * fault. Wine decides from that number what exception a fault is: with -1 an access violation becomes an
 * illegal instruction that ends the process. This library wraps sigaction so that the handlers of the
 * fault signals first fill in the trap number a real i386 kernel would have given, from the signal and
 * its si_code, and then run as installed.
 *
 * Built with `gcc -m32 -ffreestanding -nostdlib -shared` against the root's libc (no i386 headers or
 * multilib packages on the build machine): the few declarations it needs are below, with the i386
 * layouts. */

typedef void (*action_fn)(int, void*, void*);

/* glibc's struct sigaction on i386. */
struct kernel_sigaction {
    action_fn action;
    unsigned long mask[32];
    int flags;
    void (*restorer)(void);
};

struct siginfo_head { int signo, errno_, code; };

/* ucontext_t on i386: flags, link, stack (3 words), then mcontext's 19 general registers. */
enum { kGregsOffset = 5, kTrapNo = 12 };

enum { kSigIll = 4, kSigTrap = 5, kSigBus = 7, kSigFpe = 8, kSigSegv = 11, kSignals = 65 };
enum { kSaSigInfo = 4 };
enum { kSegvMapErr = 1, kSegvAccErr = 2, kFpeIntDiv = 1, kFpeIntOvf = 2, kTrapTrace = 2, kTrapHwBkpt = 4 };

void* dlsym(void* handle, const char* name);
#define RTLD_NEXT ((void*)-1L)

typedef int (*sigaction_fn)(int, const struct kernel_sigaction*, struct kernel_sigaction*);

/* The handler each fault signal's caller installed. Written by sigaction only, read in the signal. */
static volatile action_fn installed[kSignals];

static int trap_number(int signo, int code) {
    switch (signo) {
    case kSigSegv: return code == kSegvMapErr || code == kSegvAccErr ? 14 : 13; /* page fault : protection */
    case kSigIll: return 6;
    case kSigFpe: return code == kFpeIntDiv ? 0 : code == kFpeIntOvf ? 4 : 16;
    case kSigTrap: return code == kTrapTrace || code == kTrapHwBkpt ? 1 : 3;
    case kSigBus: return 17;
    default: return -1;
    }
}

static void fill_trap_number(int signo, void* info, void* context) {
    long* gregs = (long*)context + kGregsOffset;
    if (gregs[kTrapNo] == -1) gregs[kTrapNo] = trap_number(signo, ((struct siginfo_head*)info)->code);
    action_fn handler = installed[signo];
    if (handler) handler(signo, info, context);
}

static int is_fault_signal(int signo) {
    return signo == kSigSegv || signo == kSigIll || signo == kSigFpe || signo == kSigTrap || signo == kSigBus;
}

int sigaction(int signo, const struct kernel_sigaction* act, struct kernel_sigaction* old) {
    static sigaction_fn next;
    if (!next) next = (sigaction_fn)dlsym(RTLD_NEXT, "sigaction");
    if (!is_fault_signal(signo)) return next(signo, act, old);

    action_fn previous = installed[signo];
    int result;
    if (act && (act->flags & kSaSigInfo)) {
        struct kernel_sigaction wrapped = *act;
        wrapped.action = fill_trap_number;
        installed[signo] = act->action;
        result = next(signo, &wrapped, old);
        if (result != 0) installed[signo] = previous;
    } else {
        result = next(signo, act, old);
        if (result == 0 && act) installed[signo] = 0;
    }
    /* The caller sees the handler it installed, not the wrapper. */
    if (result == 0 && old && old->action == fill_trap_number) old->action = previous;
    return result;
}
