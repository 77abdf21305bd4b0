ln -s . sub
