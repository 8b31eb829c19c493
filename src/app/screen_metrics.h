#pragma once

// Fills screenMetrics from the screen and the system menu font.
void ReadScreenMetrics();
