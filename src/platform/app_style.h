#pragma once

namespace kestrel {
// The application's look: Fusion style, hints 100 ms after the pointer rests, layout fonts.
void InstallAppStyle();
}  // namespace kestrel
