// kor::CSDef: the base of every coordinate-system definition, referenced or local.
#pragma once

#include "kor/Export.h"
#include "kor/KORTypes.h"
#include "kor/WarpDef.h"

#include <memory>
#include <optional>
#include <string>

namespace kor {

/// A definition is a value: copy it with Clone, delete it through the base.
class KOR_EXPORT CSDef {
public:
    enum Types : int { TypeReferenced = 1, TypeLocal = 2 };

    virtual ~CSDef() = default;
    virtual std::unique_ptr<CSDef> Clone() const = 0;

    /// The full name; a "|" separated category path may precede the leaf name.
    std::wstring const& GetName() const { return m_name; }
    void SetName(std::wstring const& name) { m_name = name; }

    /// 1 for a referenced system (KORDef), 2 for a local one (UCSDef).
    virtual int Type() const = 0;

    void SetHint(CSHint hint, bool on);
    bool HasHint(CSHint hint) const { return (m_hints & hint) == hint; }
    CSHint GetHints() const { return m_hints; }

    /// Null when the system has no warp.
    WarpDef const* GetWarp() const { return m_warp ? &*m_warp : nullptr; }
    /// Copies the warp; null removes it.
    void SetWarp(WarpDef const* warp);

    /// Whether `other` defines the same system. With `parametersOnly` names, hints and
    /// authority codes are ignored; otherwise the names must be equal too. When they
    /// differ and `difference` is given, it receives the first difference found.
    virtual bool Compare(CSDef const& other, bool parametersOnly,
                         std::wstring* difference = nullptr) const;

    /// Whether the definition can be used; if not, `reason` says why.
    virtual bool Check(std::wstring& reason) const = 0;

    /// Units of the system's coordinates per meter (1 for meters, 0 when unknown).
    virtual double GetLinearScale() const = 0;

protected:
    CSDef() = default;
    CSDef(CSDef const&) = default;
    CSDef& operator=(CSDef const&) = default;

    /// Compares what the kinds hold beyond the name, hints and warp.
    virtual bool CompareContents(CSDef const& other, std::wstring* difference) const = 0;

private:
    std::wstring m_name;
    CSHint m_hints = 0;
    std::optional<WarpDef> m_warp;
};

} // namespace kor
