#pragma once

/// Clears the upper halves of the processor's vector registers (vzeroupper, where the
/// processor has AVX; nothing elsewhere). Library code outside the program, seen in
/// the window system's once the Qt application has started, can leave them in use;
/// every SSE instruction of the engine then pays for a state transition and a whole
/// prediction or frequency map takes six to seven times as long. Call it before a
/// long computation that runs in the windowed program. The values in the lower halves
/// are kept, so it is safe at any point.
void ClearUpperVectorState();
