// The browser's category nodes and the favourites they show, shared by its source files.
#pragma once

#include "gridlore/CFavoritesCollection.h"
#include "shr/Singleton.h"

namespace gridui {

inline constexpr wchar_t const* InUseText = L"Currently in use";
inline constexpr wchar_t const* LocalText = L"Local System";
inline constexpr wchar_t const* PredefinedText = L"Predefined";
inline constexpr wchar_t const* FavoritesText = L"Favorites";
inline constexpr wchar_t const* CustomText = L"Custom";
inline constexpr wchar_t const* BestMatchesText = L"Best matches";

/// The process-wide favourites, which every browser shows and changes.
inline Gridlore::CFavoritesCollection& Favorites() {
    return shr::Singleton<Gridlore::CFavoritesCollection>::Instance();
}

} // namespace gridui
