# The tool windows "指定座標の値" (Form6) and "格子状のデータに変換" (Form7).
