// The test host: records message tables and function records, answers the interruption query.
#include "mcaduser_fake.h"

#include <cstring>
#include <deque>
#include <string>
#include <vector>

namespace {

struct RegisteredFunction {
    std::string name;
    std::string parameters;
    std::string description;
    FUNCTIONINFO record;  // texts pointing at the strings above
    McadModule module;
};

// The host's whole state; tests run one add-in at a time.
struct HostState {
    bool acceptTables = true;
    bool interrupted = false;
    unsigned int interruptQueries = 0;
    unsigned int tableCalls = 0;
    McadModule tableModule = nullptr;
    std::vector<std::string> messages;
    std::deque<RegisteredFunction> functions;  // stable addresses
};

HostState& host() {
    static HostState state;
    return state;
}

template <typename... Args>
McadResult callWith(LPCFUNCTION function, COMPLEXSCALAR* out, Args... args) {
    using Exact = McadResult(MCAD_CALL*)(COMPLEXSCALAR*, Args...);
    return reinterpret_cast<Exact>(function)(out, args...);
}

}  // namespace

extern "C" {

const void* MCAD_CALL CreateUserFunction(McadModule module, FUNCTIONINFO* record) {
    if (record == nullptr || record->lpstrName == nullptr) return nullptr;
    HostState& h = host();
    RegisteredFunction& f = h.functions.emplace_back();
    f.name = record->lpstrName;
    f.parameters = record->lpstrParameters != nullptr ? record->lpstrParameters : "";
    f.description = record->lpstrDescription != nullptr ? record->lpstrDescription : "";
    f.record = *record;
    f.record.lpstrName = f.name.c_str();
    f.record.lpstrParameters = f.parameters.c_str();
    f.record.lpstrDescription = f.description.c_str();
    f.module = module;
    return &f.record;
}

McadBool MCAD_CALL CreateUserErrorMessageTable(McadModule module, unsigned int count, const char* const* messages) {
    HostState& h = host();
    ++h.tableCalls;
    if (!h.acceptTables || messages == nullptr) return 0;
    h.tableModule = module;
    h.messages.clear();
    for (unsigned int i = 0; i < count; ++i) h.messages.emplace_back(messages[i] ? messages[i] : "");
    return 1;
}

McadBool MCAD_CALL isUserInterrupted(void) {
    HostState& h = host();
    ++h.interruptQueries;
    return h.interrupted ? 1 : 0;
}

void MCAD_CALL fakeMcadReset(void) { host() = HostState{}; }

void MCAD_CALL fakeMcadAcceptTables(int accept) { host().acceptTables = accept != 0; }

void MCAD_CALL fakeMcadSetInterrupted(int interrupted) { host().interrupted = interrupted != 0; }

unsigned int MCAD_CALL fakeMcadInterruptQueries(void) { return host().interruptQueries; }

unsigned int MCAD_CALL fakeMcadTableCalls(void) { return host().tableCalls; }

McadModule MCAD_CALL fakeMcadTableModule(void) { return host().tableModule; }

unsigned int MCAD_CALL fakeMcadMessageCount(void) { return static_cast<unsigned int>(host().messages.size()); }

const char* MCAD_CALL fakeMcadMessage(unsigned int index) {
    const HostState& h = host();
    if (index < 1 || index > h.messages.size()) return nullptr;
    return h.messages[index - 1].c_str();
}

unsigned int MCAD_CALL fakeMcadFunctionCount(void) { return static_cast<unsigned int>(host().functions.size()); }

const FUNCTIONINFO* MCAD_CALL fakeMcadFunction(unsigned int i) {
    const HostState& h = host();
    return i < h.functions.size() ? &h.functions[i].record : nullptr;
}

McadModule MCAD_CALL fakeMcadFunctionModule(unsigned int i) {
    const HostState& h = host();
    return i < h.functions.size() ? h.functions[i].module : nullptr;
}

const FUNCTIONINFO* MCAD_CALL fakeMcadFind(const char* name) {
    if (name == nullptr) return nullptr;
    for (const RegisteredFunction& f : host().functions) {
        if (f.name == name) return &f.record;
    }
    return nullptr;
}

McadResult MCAD_CALL fakeMcadCall(const FUNCTIONINFO* record, COMPLEXSCALAR* out, const COMPLEXSCALAR* args) {
    if (record == nullptr || record->lpfnMyCFunction == nullptr) return -1;
    const LPCFUNCTION f = record->lpfnMyCFunction;
    const COMPLEXSCALAR* a = args;
    switch (record->nArgs) {
        case 1: return callWith(f, out, &a[0]);
        case 2: return callWith(f, out, &a[0], &a[1]);
        case 3: return callWith(f, out, &a[0], &a[1], &a[2]);
        case 4: return callWith(f, out, &a[0], &a[1], &a[2], &a[3]);
        default: return -1;
    }
}
}
