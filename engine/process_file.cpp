// One complete analysis run over the analysis state.
