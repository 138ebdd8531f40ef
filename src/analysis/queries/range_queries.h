#pragma once

// Every range query over a pipe's measures, for the plots, dialogs and exports that read them.
#include "analysis/measures/average64.h"
#include "analysis/queries/csa_range_queries.h"
#include "analysis/queries/id_range_queries.h"
#include "analysis/queries/od_range_queries.h"
#include "analysis/queries/revolution_wall_queries.h"
#include "analysis/queries/wall_range_queries.h"
