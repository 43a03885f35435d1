#pragma once
// The trap every reporting procedure runs under. A procedure is a list of numbered steps; when
// step k fails, the error dialog is asked how to go on: 0 runs step k again, 1 goes on with
// step k + 1, 2 leaves the procedure, 3 ends the program. The step number is the line number
// the dialog shows.
//
//     Procedure p("frmMirvel", "NewGame");
//     p.run({
//         [&] { if (firstCall) p.leave(); },   // 1
//         [&] { ... },                         // 2
//     });

#include <functional>
#include <initializer_list>

class Procedure {
public:
    using Step = std::function<void()>;

    Procedure(const char* module, const char* name) : m_module(module), m_name(name) {}

    void run(std::initializer_list<Step> steps);

    // From inside a step: the procedure ends after this step.
    void leave() { m_leaving = true; }
    // From inside a step: failing steps from here on are skipped without a report.
    void resumeNextSilently() { m_silent = true; }
    // From inside a step: the trap is off for the following steps; their errors go to the caller.
    void disarm() { m_armed = false; }
    // An error of this number leaves the procedure at once, without a report.
    void leaveSilentlyOn(int number) { m_silentNumber = number; }

private:
    const char* m_module;
    const char* m_name;
    bool m_leaving = false;
    bool m_silent = false;
    bool m_armed = true;
    int m_silentNumber = 0;
};

// Called before every trapped step with the procedure's names and the step's number, when set;
// what it throws is that step's error. Tests make any procedure fail through it.
extern std::function<void(const char* module, const char* name, int line)> g_beforeStep;

// An event handler that has no trap of its own: an error reaching it is reported under the
// handler's names (line 0) instead of ending the program. Retry runs the handler again.
void reportUntrapped(const char* module, const char* name, const std::function<void()>& handler);
