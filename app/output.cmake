# Saving, exporting, printing, copying and exchanging settings.
