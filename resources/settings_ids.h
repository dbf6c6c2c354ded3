// Identifiers of the settings pages.
#pragma once
