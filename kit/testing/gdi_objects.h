// Test support: how many GDI objects this process holds, for soak tests that must see
// the count come back to where it was.  Windows answers GetGuiResources.  Wine's is a
// stub that answers 0, so there the live entries of the process's GDI handle table are
// counted: the table the PEB points to (GdiSharedHandleTable), which Wine keeps per
// process and in which it clears an entry's type when the object is deleted.
#pragma once

#include <windows.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "kit/handles.h"
#include "kit/testing/pump.h"

namespace kit::testing {

namespace detail {

// One entry of the GDI handle table in its 64-bit layout: kernel object, owner, unique
// bits, type, flags and user pointer.
struct GdiHandleEntry {
  std::uint64_t object;
  std::uint32_t owner;
  std::uint16_t unique;
  std::uint8_t type;
  std::uint8_t flags;
  std::uint64_t user_pointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);

inline constexpr std::size_t kGdiHandleCount = 0x10000;
// Where the PEB keeps the table's address in a 64-bit process.
inline constexpr std::size_t kPebGdiTableOffset = 0xF8;

inline const GdiHandleEntry* gdi_handle_table() {
  if constexpr (sizeof(void*) != 8) return nullptr;
  using QueryProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<QueryProcess>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0)
    return nullptr;
  const auto* peb = reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress);
  if (!peb) return nullptr;
  const GdiHandleEntry* table = nullptr;
  std::memcpy(&table, peb + kPebGdiTableOffset, sizeof(table));
  return table;
}

}  // namespace detail

// The GDI objects this process holds now, or -1 when there is no way to count them.
inline long live_gdi_objects() {
  if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<long>(counted);
  const detail::GdiHandleEntry* table = detail::gdi_handle_table();
  if (!table) return -1;
  long live = 0;
  for (std::size_t i = 0; i < detail::kGdiHandleCount; ++i)
    if (table[i].type != 0) ++live;
  return live;
}

// How many rounds a soak runs: $KIT_SOAK_ROUNDS, or kShortSoakRounds in the everyday
// run.  A soak test's name holds "InASoak", so that the soak run (./run soak) picks the
// soaks of a test program with --gtest_filter=*InASoak* and runs them long.
inline constexpr int kShortSoakRounds = 25;
inline int soak_rounds() {
  const char* rounds = std::getenv("KIT_SOAK_ROUNDS");
  const int asked = rounds ? std::atoi(rounds) : 0;
  return asked > 0 ? asked : kShortSoakRounds;
}

// A soak test: soak(n) opens and closes something n times and returns how many rounds
// it completed.  One round first may make what the process keeps for good (fonts,
// cached pictures); after count more rounds the process must hold exactly as many GDI
// objects as after that first one.  The count is first shown to see a new object at
// all, or an equal count would prove nothing.
template <typename Soak>
void expect_gdi_objects_return(Soak soak, int count) {
  const long empty = live_gdi_objects();
  ASSERT_GE(empty, 0) << "no way to count this process's GDI objects";
  {
    UniqueBitmap probe(CreateBitmap(8, 8, 1, 1, nullptr));
    ASSERT_EQ(live_gdi_objects(), empty + 1);
  }
  ASSERT_EQ(live_gdi_objects(), empty);

  ASSERT_EQ(soak(1), 1);
  pump(20);
  const long before = live_gdi_objects();
  ASSERT_EQ(soak(count), count);
  pump(20);
  EXPECT_EQ(live_gdi_objects(), before) << "GDI objects left behind by " << count << " rounds";
}

}  // namespace kit::testing
