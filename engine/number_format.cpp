// The two number formats of every text the program shows.
