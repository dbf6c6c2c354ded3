// Identifiers of the wizard pages.
#pragma once
