// uidrive: the UI driver for shell scripts, one command per run. Windows are
// named by exact caption (visible ones only; message boxes only by the msgbox
// and answer commands). Exit code 0 on success, 1 on failure or timeout, 2 on a
// usage error.
#include "UiDriver.h"

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

const char kUsage[] = "usage: uidrive wait-window <caption> <timeoutMs>   prints the HWND\n"
                      "       uidrive wait-gone <caption> <timeoutMs>\n"
                      "       uidrive text <caption> <id>\n"
                      "       uidrive state <caption> <id>\n"
                      "       uidrive progress <caption> <id>           prints lower upper pos\n"
                      "       uidrive click <caption> <id>\n"
                      "       uidrive wait-text <caption> <id> <text> <timeoutMs>\n"
                      "       uidrive wait-enabled <caption> <id> <0|1> <timeoutMs>\n"
                      "       uidrive msgbox <caption> <timeoutMs>          prints the box text\n"
                      "       uidrive answer <caption> <buttonId> <timeoutMs>\n";

struct UsageError {};

// A whole-argument integer: decimal, or hex with 0x.
long Integer(const char* text, long min, long max) {
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 0);
    if (end == text || *end != '\0' || errno == ERANGE || value < min || value > max)
        throw UsageError();
    return value;
}

int Id(const char* text) {
    return static_cast<int>(Integer(text, 0, 0xFFFF));
}

DWORD Timeout(const char* text) {
    return static_cast<DWORD>(Integer(text, 0, 0x7FFFFFFF));
}

[[noreturn]] void Fail(const std::string& message) {
    throw std::runtime_error(message);
}

HWND Window(const std::string& caption) {
    HWND window = uidriver::FindTopWindow(caption, 0);
    if (!window)
        Fail("no window \"" + caption + "\"");
    return window;
}

void Print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

int Run(int argc, char** argv) {
    if (argc < 3)
        throw UsageError();
    const std::string command = argv[1];
    const std::string caption = argv[2];
    const auto expectArgs = [argc](int count) {
        if (argc != count)
            throw UsageError();
    };

    if (command == "wait-window") {
        expectArgs(4);
        HWND window = uidriver::FindTopWindow(caption, Timeout(argv[3]));
        if (!window)
            Fail("timed out waiting for \"" + caption + "\"");
        std::printf("0x%lx\n", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)));
    } else if (command == "wait-gone") {
        expectArgs(4);
        if (!uidriver::WaitFor([&] { return !uidriver::FindTopWindow(caption, 0); },
                               Timeout(argv[3])))
            Fail("\"" + caption + "\" is still there");
    } else if (command == "text") {
        expectArgs(4);
        Print(uidriver::Text(Window(caption), Id(argv[3])));
    } else if (command == "state") {
        expectArgs(4);
        HWND window = Window(caption);
        const int id = Id(argv[3]);
        std::printf("visible=%d enabled=%d checked=%d\n", uidriver::Visible(window, id),
                    uidriver::Enabled(window, id), uidriver::Checked(window, id));
    } else if (command == "progress") {
        expectArgs(4);
        const auto state = uidriver::Progress(Window(caption), Id(argv[3]));
        std::printf("%d %d %d\n", state.lower, state.upper, state.pos);
    } else if (command == "click") {
        expectArgs(4);
        if (!uidriver::Click(Window(caption), Id(argv[3])))
            Fail(std::string("control ") + argv[3] + " is hidden or disabled");
    } else if (command == "wait-text") {
        expectArgs(6);
        const int id = Id(argv[3]);
        const std::string wanted = argv[4];
        std::string text;
        if (!uidriver::WaitFor(
                [&] {
                    HWND window = uidriver::FindTopWindow(caption, 0);
                    return window && (text = uidriver::Text(window, id)) == wanted;
                },
                Timeout(argv[5])))
            Fail("timed out; the text is \"" + text + "\"");
    } else if (command == "wait-enabled") {
        expectArgs(6);
        const int id = Id(argv[3]);
        const bool wanted = Integer(argv[4], 0, 1) == 1;
        if (!uidriver::WaitFor(
                [&] {
                    HWND window = uidriver::FindTopWindow(caption, 0);
                    return window && uidriver::Enabled(window, id) == wanted;
                },
                Timeout(argv[5])))
            Fail("timed out");
    } else if (command == "msgbox") {
        expectArgs(4);
        HWND box = uidriver::FindMessageBox(caption, Timeout(argv[3]));
        if (!box)
            Fail("timed out waiting for message box \"" + caption + "\"");
        Print(uidriver::MessageBoxText(box));
    } else if (command == "answer") {
        expectArgs(5);
        const int button = Id(argv[3]);
        const DWORD timeout = Timeout(argv[4]);
        const ULONGLONG start = GetTickCount64();
        HWND box = uidriver::FindMessageBox(caption, timeout);
        if (!box)
            Fail("timed out waiting for message box \"" + caption + "\"");
        if (!uidriver::AnswerMessageBox(box, button))
            Fail(std::string("button ") + argv[3] + " is hidden or disabled");
        // Done only once the box is gone, so that the next command sees the
        // state the answer led to.
        const ULONGLONG spent = GetTickCount64() - start;
        const DWORD left = spent < timeout ? static_cast<DWORD>(timeout - spent) : 0;
        if (!uidriver::WaitFor([box] { return !IsWindow(box); }, left))
            Fail("the message box stayed open");
    } else {
        throw UsageError();
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Texts are printed as they are: their CR LF must not become CR CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
    try {
        return Run(argc, argv);
    } catch (const UsageError&) {
        std::fputs(kUsage, stderr);
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "uidrive: %s\n", e.what());
        return 1;
    }
}
