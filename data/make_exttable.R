# Writes exttable.txt: upper chi-square critical points for 1..30 degrees of freedom.
# Run from anywhere: Rscript data/make_exttable.R (the table lands beside this script).

alphas <- c(0.01, 0.025, 0.05, 0.95, 0.975, 0.99)

# Printed tables give 3 decimals; below 1 that would lose the small points, so keep 3 significant digits.
formatPoint <- function(x) {
  if (x >= 1) return(sprintf("%.3f", x))
  decimals <- 2 - floor(log10(x))
  sprintf("%.*f", as.integer(decimals), x)
}

fileArg <- grep("^--file=", commandArgs(FALSE), value = TRUE)
outDir <- if (length(fileArg) == 1) dirname(sub("^--file=", "", fileArg)) else "."

rows <- vapply(1:30, function(d) {
  points <- qchisq(1 - alphas, d)
  paste(c(d, vapply(points, formatPoint, "")), collapse = " ")
}, "")

# Binary connection: "\n" line ends on every platform.
con <- file(file.path(outDir, "exttable.txt"), "wb")
writeLines(rows, con, sep = "\n")
close(con)
