# Suites of the output and settings-exchange commands.
