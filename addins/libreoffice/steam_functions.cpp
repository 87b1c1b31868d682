// The UNO component: the worksheet functions as methods of XSteamFunctions (generated from the
// function table), the function wizard's texts through XAddIn, and the factory LibreOffice asks
// for when it loads the extension. Nothing here throws into Calc: every entry point answers with a
// number, an error value or a text.
#include <dlfcn.h>

#include <algorithm>
#include <array>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/lang/XServiceName.hpp>
#include <com/sun/star/sheet/XAddIn.hpp>
#include <cppuhelper/factory.hxx>
#include <cppuhelper/implbase4.hxx>
#include <cppuhelper/implementationentry.hxx>
#include <cppuhelper/supportsservice.hxx>
#include <org/vaprop/calc/XSteamFunctions.hpp>
#include <span>
#include <string>

#include "calc_functions.h"
#include "component_names.h"
#include "document_units.h"
#include "evaluate.h"
#include "property_library.h"

extern "C" SAL_DLLPUBLIC_EXPORT void* SAL_CALL component_getFactory(const char* implementation, void* serviceManager,
                                                                    void* registryKey);

namespace vapropcalc {

namespace {

namespace uno = css::uno;
using rtl::OUString;

OUString toOUString(std::string_view s) {
    return OUString(s.data(), static_cast<sal_Int32>(s.size()), RTL_TEXTENCODING_UTF8);
}

// A text as the unit-set parser and the name lookup see it: one character per UTF-16 unit, and
// anything outside ASCII as a character that matches no name or flag.
std::string toAscii(const OUString& s) {
    std::string out(static_cast<std::size_t>(s.getLength()), '?');
    for (sal_Int32 i = 0; i < s.getLength(); ++i)
        if (s[i] < 0x80) out[static_cast<std::size_t>(i)] = static_cast<char>(s[i]);
    return out;
}

// The arguments of one call, converted from what Calc hands over; texts are kept here.
class ArgumentList {
  public:
    explicit ArgumentList(std::span<const uno::Any* const> values) : count_(std::min(values.size(), kMaxArguments)) {
        for (std::size_t i = 0; i < count_; ++i) {
            const uno::Any& value = *values[i];
            Argument& a = arguments_[i];
            switch (value.getValueTypeClass()) {
                case uno::TypeClass_VOID: a.kind = Argument::Kind::missing; break;
                case uno::TypeClass_DOUBLE:
                    a.kind = Argument::Kind::number;
                    value >>= a.number;
                    break;
                case uno::TypeClass_STRING: {
                    OUString text;
                    value >>= text;
                    texts_[i] = toAscii(text);
                    a.kind = Argument::Kind::text;
                    a.text = texts_[i];
                    break;
                }
                default:  // ranges (arrays), logical values and anything else
                    a.kind = Argument::Kind::other;
                    break;
            }
        }
    }

    std::span<const Argument> arguments() const noexcept { return {arguments_.data(), count_}; }

  private:
    std::array<std::string, kMaxArguments> texts_;
    std::array<Argument, kMaxArguments> arguments_{};
    std::size_t count_;
};

// The folder this component was loaded from: the extension's folder, which holds the library.
std::string ownFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&component_getFactory), &info) == 0 || info.dli_fname == nullptr) return ".";
    const std::string path(info.dli_fname);
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

const PropertyLibrary& library() {
    static const PropertyLibrary loaded = PropertyLibrary::load(ownFolder());
    return loaded;
}

std::optional<std::size_t> functionIndex(const OUString& name) { return findFunction(toAscii(name)); }

// Index of a visible argument from the index of the IDL parameter (the hidden document comes first).
std::optional<std::size_t> visibleArgument(std::size_t function, sal_Int32 parameter) {
    const std::size_t n = argumentCount(kFunctions[function]);
    if (parameter < 1 || static_cast<std::size_t>(parameter) > n) return std::nullopt;
    return static_cast<std::size_t>(parameter - 1);
}

uno::Sequence<OUString> serviceNames() {
    uno::Sequence<OUString> names(2);
    names[0] = OUString::createFromAscii(kServiceName);
    names[1] = "com.sun.star.sheet.AddIn";
    return names;
}

class SteamFunctions : public cppu::WeakImplHelper4<org::vaprop::calc::XSteamFunctions, css::sheet::XAddIn,
                                                    css::lang::XServiceName, css::lang::XServiceInfo> {
  public:
    // XSteamFunctions: one method per worksheet function.
#include "steam_functions_methods.inc"

    // XAddIn: names and texts from the function table.
    OUString SAL_CALL getProgrammaticFuntionName(const OUString& displayName) override {
        const std::optional<std::size_t> i = functionIndex(displayName);
        return i ? toOUString(kFunctions[*i].name) : OUString();
    }
    OUString SAL_CALL getDisplayFunctionName(const OUString& programmaticName) override {
        return getProgrammaticFuntionName(programmaticName);
    }
    OUString SAL_CALL getFunctionDescription(const OUString& programmaticName) override {
        const std::optional<std::size_t> i = functionIndex(programmaticName);
        return i ? toOUString(kFunctions[*i].help) : OUString();
    }
    OUString SAL_CALL getDisplayArgumentName(const OUString& programmaticName, sal_Int32 parameter) override {
        const std::optional<std::size_t> i = functionIndex(programmaticName);
        const std::optional<std::size_t> a = i ? visibleArgument(*i, parameter) : std::nullopt;
        return a ? toOUString(argumentName(kFunctions[*i], *a)) : OUString();
    }
    OUString SAL_CALL getArgumentDescription(const OUString& programmaticName, sal_Int32 parameter) override {
        const std::optional<std::size_t> i = functionIndex(programmaticName);
        const std::optional<std::size_t> a = i ? visibleArgument(*i, parameter) : std::nullopt;
        return a ? toOUString(kFunctions[*i].argumentHelp[*a]) : OUString();
    }
    OUString SAL_CALL getProgrammaticCategoryName(const OUString& programmaticName) override {
        const std::optional<std::size_t> i = functionIndex(programmaticName);
        return i ? toOUString(kFunctions[*i].category) : OUString();
    }
    OUString SAL_CALL getDisplayCategoryName(const OUString& programmaticName) override {
        return getProgrammaticCategoryName(programmaticName);
    }

    // XLocalizable: the texts exist in one language only.
    void SAL_CALL setLocale(const css::lang::Locale& locale) override { locale_ = locale; }
    css::lang::Locale SAL_CALL getLocale() override { return locale_; }

    // XServiceName, XServiceInfo
    OUString SAL_CALL getServiceName() override { return OUString::createFromAscii(kServiceName); }
    OUString SAL_CALL getImplementationName() override { return OUString::createFromAscii(kServiceName); }
    sal_Bool SAL_CALL supportsService(const OUString& name) override { return cppu::supportsService(this, name); }
    uno::Sequence<OUString> SAL_CALL getSupportedServiceNames() override { return serviceNames(); }

  private:
    double version(std::size_t index) {
        const DocumentUnits noDocument{uno::Reference<css::beans::XPropertySet>()};
        return cellValue(evaluate(index, library(), {}, noDocument));
    }

    double property(std::size_t index, const uno::Reference<css::beans::XPropertySet>& document,
                    std::span<const uno::Any* const> values) {
        try {
            const ArgumentList list(values);
            const DocumentUnits defaults(document);
            return cellValue(evaluate(index, library(), list.arguments(), defaults));
        } catch (...) {
            // Nothing may escape into Calc; a call that could not be made shows #VALUE!.
            return calcErrorValue(kCalcErrorValue);
        }
    }

    OUString errorText(std::size_t, const uno::Reference<css::beans::XPropertySet>& document,
                       std::span<const uno::Any* const> values) {
        try {
            const ArgumentList list(values);
            const DocumentUnits defaults(document);
            return toOUString(vapropcalc::errorText(list.arguments(), library(), defaults));
        } catch (...) {
            return "the text could not be made";
        }
    }

    css::lang::Locale locale_;
};

uno::Reference<uno::XInterface> SAL_CALL create(const uno::Reference<uno::XComponentContext>&) {
    return static_cast<cppu::OWeakObject*>(new SteamFunctions);
}

OUString SAL_CALL implementationName() { return OUString::createFromAscii(kServiceName); }

uno::Sequence<OUString> SAL_CALL supportedServices() { return serviceNames(); }

const cppu::ImplementationEntry kEntries[] = {
    {create, implementationName, supportedServices, cppu::createSingleComponentFactory, nullptr, 0},
    {nullptr, nullptr, nullptr, nullptr, nullptr, 0},
};

}  // namespace

}  // namespace vapropcalc

extern "C" SAL_DLLPUBLIC_EXPORT void* SAL_CALL component_getFactory(const char* implementation, void* serviceManager,
                                                                    void* registryKey) {
    return cppu::component_getFactoryHelper(implementation, serviceManager, registryKey, vapropcalc::kEntries);
}
