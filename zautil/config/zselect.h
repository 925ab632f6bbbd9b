// ZSELECT: starts the suite's job selector from the installation directory.
#pragma once

void zaZSelect();
